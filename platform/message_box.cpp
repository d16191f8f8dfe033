// The real message box.
#include "platform/message_box.h"

int ShowMessage(HWND owner, const std::wstring& text, UINT flags, const wchar_t* caption)
{
    return MessageBoxW(owner, text.c_str(), caption, flags | MB_SETFOREGROUND);
}
