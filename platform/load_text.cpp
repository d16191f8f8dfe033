// Texts read from the program file's own resources.
#include "platform/load_text.h"

std::wstring LoadText(UINT id)
{
    // A zero buffer size makes LoadStringW hand out the resource's own text, which is
    // not terminated: its length comes back instead.
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring FormatText(UINT id, std::initializer_list<std::wstring> args)
{
    std::wstring format = LoadText(id), out;
    for (size_t i = 0; i < format.size(); ++i) {
        wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        size_t n = next >= L'1' && next <= L'9' ? static_cast<size_t>(next - L'1') : args.size();
        if (format[i] == L'%' && n < args.size()) {
            out += args.begin()[n];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}
