// The real shell and help viewer.
#include "platform/shell_open.h"

#include <shellapi.h>

bool OpenWithShell(HWND owner, const std::wstring& file)
{
    HINSTANCE result = ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context)
{
    (void)WinHelpW(owner, helpFile.c_str(), HELP_CONTEXT, context);
}
