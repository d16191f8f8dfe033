// Code page 932 conversions through MultiByteToWideChar / WideCharToMultiByte.
#include "platform/text.h"

#include <windows.h>

#include <iterator>
#include <memory>

#include "core/drop_data.h"

static constexpr UINT kCodePage = 932;

void WidenInto(std::string_view cp932, std::wstring& out)
{
    out.clear();
    if (cp932.empty()) return;
    int size = static_cast<int>(cp932.size());
    out.resize(cp932.size());   // never more wide characters than bytes
    int n = MultiByteToWideChar(kCodePage, 0, cp932.data(), size, out.data(), size);
    out.resize(n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring Widen(std::string_view cp932)
{
    std::wstring out;
    WidenInto(cp932, out);
    return out;
}

bool Narrow(std::wstring_view wide, std::string* out)
{
    if (wide.empty()) { out->clear(); return true; }
    int size = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return false;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), n, nullptr, &lossy);
    if (lossy) return false;
    *out = std::move(bytes);
    return true;
}

bool NarrowField(std::wstring_view wide, std::string_view filled, std::string* out)
{
    if (wide != Widen(filled)) return Narrow(wide, out);
    out->assign(filled);
    return true;
}

bool NarrowReplacing(std::wstring_view wide, std::string* out)
{
    out->clear();
    if (wide.empty()) return true;
    int size = static_cast<int>(wide.size());
    BOOL replaced = FALSE;
    int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, "?", &replaced);
    if (n <= 0) return false;
    out->assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, out->data(), n, "?", &replaced);
    return !replaced;
}

bool Cp932ToUtf8(std::string_view cp932, std::string* utf8)
{
    utf8->clear();
    if (cp932.empty()) return true;
    // The export converts every title and URL: short texts use the stack, and one conversion to
    // UTF-8 into room for the largest result (each code page 932 character is one UTF-16 unit
    // of the basic plane, at most 3 UTF-8 bytes) replaces the call that would measure it.
    int size = static_cast<int>(cp932.size());
    wchar_t onStack[512];
    std::unique_ptr<wchar_t[]> onHeap;   // left unfilled: the conversion writes what is read
    wchar_t* wide = onStack;
    if (cp932.size() > std::size(onStack)) onHeap.reset(new wchar_t[cp932.size()]), wide = onHeap.get();
    int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, cp932.data(), size, wide, size);
    if (n <= 0) return false;
    utf8->resize(static_cast<size_t>(n) * 3);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, n, utf8->data(), n * 3, nullptr, nullptr);
    utf8->resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return bytes > 0;
}

std::string Utf8Of(std::wstring_view wide)
{
    if (wide.empty()) return {};
    int size = static_cast<int>(wide.size());
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

bool Utf8ToCp932(std::string_view utf8, std::string* cp932)
{
    if (utf8.empty()) { cp932->clear(); return true; }
    int size = static_cast<int>(utf8.size());
    std::wstring wide(utf8.size(), L'\0');
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), size);
    return n > 0 && Narrow(std::wstring_view(wide.data(), static_cast<size_t>(n)), cp932);
}

const TextCodec& SystemTextCodec()
{
    static const TextCodec codec{Utf8ToCp932, Cp932ToUtf8};
    return codec;
}

size_t Cp932Length(std::wstring_view wide)
{
    if (wide.empty()) return 0;
    int n = WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

std::string UrlBytesOfText(std::wstring_view url)
{
    std::u16string_view units(reinterpret_cast<const char16_t*>(url.data()), url.size());
    return UrlBytesOf(units, [](std::u16string_view ch, std::string* bytes) {
        return Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(ch.data()), ch.size()), bytes);
    });
}
