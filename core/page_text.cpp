// Parsing the window-info reply and cutting page titles, with double-byte characters kept whole.
#include "core/page_text.h"

#include "core/browser_table.h"
#include "core/cp932.h"
#include "core/entry_rules.h"

static bool IsLeadAt(std::string_view s, size_t i) { return IsLead932(static_cast<unsigned char>(s[i])); }

// Copies one field from `at`, leaving `at` on the quote that ended it (or the end).
static std::string TakeField(std::string_view reply, size_t& at)
{
    std::string field;
    while (at < reply.size() && reply[at] != '"') {
        if (IsLeadAt(reply, at) || reply[at] == '\\') {
            if (at + 1 >= reply.size()) {   // half a character or a dangling escape
                at = reply.size();
                break;
            }
            if (reply[at] != '\\') field.push_back(reply[at]);
            field.push_back(reply[at + 1]);
            at += 2;
            continue;
        }
        field.push_back(reply[at++]);
    }
    return field;
}

static void SkipSeparators(std::string_view reply, size_t& at)
{
    while (at < reply.size() && (reply[at] == '"' || reply[at] == ',')) ++at;
}

WindowInfo ParseWindowInfo(std::string_view reply)
{
    WindowInfo info;
    size_t at = 0;
    if (!reply.empty() && reply[0] == '"') at = 1;
    info.url = TakeField(reply, at);
    SkipSeparators(reply, at);
    info.title = TakeField(reply, at);
    SkipSeparators(reply, at);
    info.window = TakeField(reply, at);
    return info;
}

std::string CutPageTitle(uint32_t kind, std::string_view caption)
{
    constexpr size_t npos = std::string_view::npos;
    if (kind == 3) {
        constexpr std::string_view open = "- [", close = " ]";
        size_t start = FindText932(caption, open);
        if (start == npos) return std::string(caption);
        std::string_view rest = caption.substr(start + open.size());
        return std::string(rest.substr(0, FindText932(rest, close)));
    }
    const BrowserRow* row = BrowserRowOf(kind);
    if (!row) return std::string(caption);
    return std::string(caption.substr(0, FindText932(caption, row->titleMark)));
}

std::string_view HeadOnCharBoundary(std::string_view text, size_t maxBytes)
{
    size_t end = 0;
    while (end < text.size()) {
        size_t next = end + (IsLeadAt(text, end) ? 2 : 1);
        if (next > maxBytes || next > text.size()) break;
        end = next;
    }
    return text.substr(0, end);
}

PageEntry MakePageEntry(uint32_t kind, std::string_view caption, std::string_view url)
{
    return MakeTitledEntry(CutPageTitle(kind, caption), url);
}

PageEntry MakeTitledEntry(std::string_view title, std::string_view url)
{
    PageEntry entry;
    entry.url = OneLineText(url);
    std::string storable = StorableTitle(OneLineText(title));
    if (storable.empty()) storable = StorableTitle(entry.url);
    entry.title.assign(HeadOnCharBoundary(storable, kFieldBytes));
    return entry;
}

std::wstring_view TitleOfBrowserCaption(std::wstring_view caption)
{
    constexpr size_t npos = std::wstring_view::npos;
    size_t dash = caption.rfind(L" - "), emDash = caption.rfind(L" \u2014 ");
    if (dash == npos || (emDash != npos && emDash > dash)) dash = emDash;
    return dash == npos ? std::wstring_view() : caption.substr(0, dash);
}

static bool IsBlankOrControl(wchar_t c) { return c <= L' ' || c == 0x7F || c == 0x3000; }

static bool IsSchemeChar(wchar_t c, bool first)
{
    bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
    return letter || (!first && ((c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.'));
}

std::wstring_view OneUrlOfText(std::wstring_view text)
{
    size_t first = 0, end = text.size();
    while (first < end && IsBlankOrControl(text[first])) ++first;
    while (end > first && IsBlankOrControl(text[end - 1])) --end;
    std::wstring_view url = text.substr(first, end - first);
    size_t colon = url.find(L':');
    if (colon == std::wstring_view::npos || colon < 2 || colon + 1 == url.size()) return {};
    for (size_t i = 0; i < colon; ++i)
        if (!IsSchemeChar(url[i], i == 0)) return {};
    for (wchar_t c : url)
        if (IsBlankOrControl(c)) return {};
    return url;
}
