// Stands in for platform/shell_open.cpp in the tests.
#include "tests/app/recorded_shell.h"

#include "platform/shell_open.h"

bool OpenWithShell(HWND, const std::wstring& file) { return g_shellRequests.push_back({file, 0}), !g_shellFails; }
void ShowHelpContext(HWND, const std::wstring& file, DWORD context) { g_shellRequests.push_back({file, context}); }
