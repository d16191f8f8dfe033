// The shell and help viewer as the tests see them: every request is recorded, nothing starts.
#include "tests/app/recorded_shell.h"

#include "platform/shell_open.h"

std::vector<ShellRequest> g_shellRequests;

void OpenWithShell(HWND owner, const std::wstring& file)
{
    g_shellRequests.push_back({ShellRequest::Open, owner, file, 0});
}

void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context)
{
    g_shellRequests.push_back({ShellRequest::Help, owner, helpFile, context});
}
