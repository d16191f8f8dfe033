// The real shell and help viewer.
#include "platform/shell_open.h"

#include <shellapi.h>

void OpenWithShell(HWND owner, const std::wstring& file)
{
    (void)ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context)
{
    (void)WinHelpW(owner, helpFile.c_str(), HELP_CONTEXT, context);
}
