// Drop formats: every read is bounded by the bytes handed over, whatever terminator they lack.
#include "core/drop_data.h"

#include "core/entry_rules.h"
#include "core/utf8.h"

std::u16string WideTextOf(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

std::string_view NarrowTextOf(std::string_view bytes)
{
    return bytes.substr(0, bytes.find('\0'));
}

static bool IsBlank(char16_t c) { return c <= 0x20 || c == 0x7F || c == 0x3000; }
static bool IsAsciiLetter(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

static std::u16string_view Trimmed(std::u16string_view text)
{
    size_t first = 0, end = text.size();
    while (first < end && IsBlank(text[first])) ++first;
    while (end > first && IsBlank(text[end - 1])) --end;
    return text.substr(first, end - first);
}

std::u16string OneUrlText(std::u16string_view text)
{
    std::u16string_view url = Trimmed(text);
    size_t i = 0;
    while (i < url.size() && (IsAsciiLetter(url[i]) || (i >= 2 && ((url[i] >= '0' && url[i] <= '9') || url[i] == '+' ||
                                                                    url[i] == '-' || url[i] == '.'))))
        ++i;
    if (i < 2 || i + 1 >= url.size() || url[i] != ':') return {};
    for (char16_t c : url)
        if (IsBlank(c)) return {};
    return std::u16string(url);
}

// The layout of FileGroupDescriptorW: a 32-bit count, then descriptors of 592 bytes whose name,
// 260 UTF-16 units, starts 72 bytes in.
static constexpr size_t kCountBytes = 4, kDescriptorBytes = 592, kNameOffset = 72, kNameBytes = 520;

std::u16string GroupDescriptorTitle(std::string_view bytes)
{
    if (bytes.size() < kCountBytes + kDescriptorBytes || bytes.substr(0, kCountBytes) == std::string_view("\0\0\0\0", 4))
        return {};
    std::u16string name = WideTextOf(bytes.substr(kCountBytes + kNameOffset, kNameBytes));
    static constexpr std::u16string_view kEnd = u".url";
    if (name.size() >= kEnd.size()) {
        bool shortcut = true;
        for (size_t i = 0; i < kEnd.size(); ++i) {
            char16_t c = name[name.size() - kEnd.size() + i];
            shortcut = shortcut && (c >= 'A' && c <= 'Z' ? c + 0x20 : c) == kEnd[i];
        }
        if (shortcut) name.resize(name.size() - kEnd.size());
    }
    return name;
}

// A line of text/x-moz-url: up to '\n', without a '\r' before it. `at` moves past the line end.
static std::u16string_view TakeMozLine(std::u16string_view text, size_t& at)
{
    if (at >= text.size()) return {};
    size_t end = text.find(u'\n', at);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string_view line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    return line;
}

std::optional<DroppedLink> ReadDroppedLink(const DropFormats& formats)
{
    std::u16string moz = formats.mozUrl ? WideTextOf(*formats.mozUrl) : std::u16string();
    size_t at = 0;
    std::u16string_view mozUrl = Trimmed(TakeMozLine(moz, at));
    std::u16string_view mozTitle = Trimmed(TakeMozLine(moz, at));
    DroppedLink link;
    if (formats.urlW) link.url = Trimmed(WideTextOf(*formats.urlW));
    if (link.url.empty() && formats.urlAnsi) link.url = Trimmed(*formats.urlAnsi);
    if (link.url.empty()) link.url = mozUrl;
    if (link.url.empty() && formats.unicodeText) link.url = OneUrlText(WideTextOf(*formats.unicodeText));
    if (link.url.empty()) return std::nullopt;
    link.title = mozTitle;
    if (link.title.empty() && formats.groupDescriptor) link.title = GroupDescriptorTitle(*formats.groupDescriptor);
    return link;
}

std::string UrlBytesOf(std::u16string_view url, const Cp932OfChar& cp932Of)
{
    std::string out, bytes;
    out.reserve(url.size());
    for (size_t i = 0; i < url.size();) {
        char16_t c = url[i];
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < url.size() && url[i + 1] >= 0xDC00 && url[i + 1] <= 0xDFFF;
        size_t width = pair ? 2 : 1;
        if (cp932Of(url.substr(i, width), &bytes)) {
            out += bytes;
        } else {
            char32_t point = pair ? 0x10000 + ((c - 0xD800) << 10) + (url[i + 1] - 0xDC00)
                             : (c >= 0xD800 && c <= 0xDFFF) ? 0xFFFD : c;
            std::string utf8;
            AppendUtf8(utf8, point);
            out += PercentEncoded(utf8);
        }
        i += width;
    }
    return out;
}
