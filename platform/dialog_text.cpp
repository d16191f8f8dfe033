// Dialog field text sized from the field's own length.
#include "platform/dialog_text.h"

#include <vector>

std::wstring DialogItemText(HWND dlg, int id)
{
    HWND field = GetDlgItem(dlg, id);
    int length = GetWindowTextLengthW(field);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(field, text.data(), length + 1);
    return std::wstring(text.data());
}
