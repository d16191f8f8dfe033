// Message boxes shown to the user. Tests link a scripted version of this file instead of
// platform/message_box.cpp, so that questions get planned answers and texts can be checked.
#pragma once
#include <string>

#include <windows.h>

#include "platform/load_text.h"
#include "res/resource.h"

// Shows `text` with `caption` (the program's name, IDS_APP_CAPTION, unless a message has its
// own) and MB_SETFOREGROUND added to `flags`; returns the button pressed (IDOK, IDYES, ...).
int ShowMessage(HWND owner, const std::wstring& text, UINT flags, const wchar_t* caption);
inline int ShowMessage(HWND owner, const std::wstring& text, UINT flags)
{
    return ShowMessage(owner, text, flags, LoadText(IDS_APP_CAPTION).c_str());
}
