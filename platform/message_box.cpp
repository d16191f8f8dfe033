// The real message box.
#include "platform/message_box.h"

int ShowMessage(HWND owner, const std::wstring& text, UINT flags)
{
    return MessageBoxW(owner, text.c_str(), L"larkit", flags | MB_SETFOREGROUND);
}
