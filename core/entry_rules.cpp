// Title and URL rules of the entry dialogs.
#include "core/entry_rules.h"

#include <cctype>

#include "core/cp932.h"
#include "core/entry_line.h"

// Full-width forms, as CP932 bytes, of the two separators a title cannot hold.
constexpr std::string_view kWideBackslash932 = "\x81\x5F";

static bool HasChar(std::string_view text, char ch) { return Find932(text, ch) != std::string_view::npos; }

// Whether the text can stand in a line of the list file: a CR, LF or NUL byte anywhere (a
// trail byte included) would end or lose part of it there.
static bool IsOneLine(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

EntryProblem CheckFolderTitle(std::string_view title, std::string_view original)
{
    if (title.empty()) return EntryProblem::EmptyTitle;
    if (!IsOneLine(title)) return EntryProblem::TitleHasLineBreak;
    if (title == original) return EntryProblem::None;
    if (HasChar(title, kFolderMark)) return EntryProblem::TitleHasBackslash;
    if (title.size() > kTypedFieldBytes) return EntryProblem::TitleTooLong;
    return EntryProblem::None;
}

static std::string WithWideSeparators(std::string_view text, bool commas)
{
    std::string title;
    for (size_t i = 0, width = 0; i < text.size(); i += width) {
        width = CharLength932(text, i);
        if (width == 2) {
            title.append(text.substr(i, 2));
        } else if (commas && text[i] == kUrlSeparator) {
            title.append(kWideComma932);
        } else if (text[i] == kFolderMark) {
            title.append(kWideBackslash932);
        } else {
            title.push_back(text[i]);
        }
    }
    return title;
}

std::string StorableTitle(std::string_view text) { return WithWideSeparators(text, true); }

std::string StorableFolderTitle(std::string_view text) { return WithWideSeparators(text, false); }

EntryProblem CompleteUrlEntry(std::string& title, std::string& url, std::string_view originalTitle,
                              std::string_view originalUrl, const Utf8OfChar& utf8Of)
{
    if (url.empty()) return EntryProblem::EmptyUrl;
    if (!IsOneLine(url)) return EntryProblem::UrlHasLineBreak;
    if (!IsOneLine(title)) return EntryProblem::TitleHasLineBreak;
    bool urlKept = url == originalUrl;
    if (!urlKept && url.size() > kTypedFieldBytes) return EntryProblem::UrlTooLong;
    if (title.empty()) title = StorableTitle(url);
    if (title != originalTitle) {
        if (HasChar(title, kFolderMark)) return EntryProblem::TitleHasBackslash;
        if (HasChar(title, kUrlSeparator)) return EntryProblem::TitleHasComma;
        if (title.size() > kTypedFieldBytes) return EntryProblem::TitleTooLong;
    }
    if (!urlKept && FindText932(url, "://") == std::string_view::npos) {
        if (url.size() + 7 > kFieldBytes) return EntryProblem::UrlTooLong;
        url = "http://" + url;
    }
    if (!MakeUrlStorable(url, utf8Of)) return EntryProblem::UrlEndsInBackslash;
    if (!urlKept && url.size() > kFieldBytes) return EntryProblem::UrlTooLong;
    return EntryProblem::None;
}

bool StartsWithNoCase(std::string_view text, std::string_view head)
{
    return text.size() >= head.size() && LowerAscii(text.substr(0, head.size())) == head;
}

static bool IsWebUrl(std::string_view url)
{
    return StartsWithNoCase(url, "http://") || StartsWithNoCase(url, "https://");
}

bool IsLocalPath(std::string_view url)
{
    bool drive = url.size() >= 3 && std::isalpha(static_cast<unsigned char>(url[0])) && url[1] == ':' &&
                 (url[2] == '\\' || url[2] == '/');
    return drive || url.substr(0, 2) == "\\\\";
}

// How `text` ends: where its final run of single-byte backslashes starts (the size when there
// is none), and where the character before that run starts (npos when there is none).
struct TextEnd {
    size_t backslashes;
    size_t lastOther;
};

static TextEnd EndOf(std::string_view text)
{
    TextEnd end{0, std::string_view::npos};
    for (size_t i = 0; i < text.size();) {
        size_t width = CharLength932(text, i);
        if (width == 2 || text[i] != kFolderMark) {
            end.lastOther = i;
            end.backslashes = i + width;
        }
        i += width;
    }
    return end;
}

std::string PercentEncoded(std::string_view bytes)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) out += {'%', kHex[c >> 4], kHex[c & 0xF]};
    return out;
}

bool MakeUrlStorable(std::string& url, const Utf8OfChar& utf8Of)
{
    if (url.empty() || url.back() != kFolderMark) return true;
    TextEnd end = EndOf(url);
    if (end.backslashes == url.size()) {
        // The last character is double-byte. Browsers read a URL's %XX bytes as UTF-8, so the
        // address stays the same.
        std::string utf8;
        if (!IsWebUrl(url) || !utf8Of(std::string_view(url).substr(end.lastOther), &utf8) || utf8.empty())
            return false;
        url.resize(end.lastOther);
        url += PercentEncoded(utf8);
        return true;
    }
    if (IsWebUrl(url)) {
        url.back() = '/';
        return true;
    }
    if (!IsLocalPath(url)) return false;
    // A folder opens the same without its final backslashes; a drive's root does not ("X:" is
    // the drive's current folder), and a server path needs its server's name.
    size_t kept = end.backslashes;
    if (kept <= 2 || url[kept - 1] == ':') return false;
    if (end.lastOther + 2 == kept && url[kept - 1] == kFolderMark) return false;   // a trail byte 0x5C is left
    url.resize(kept);
    return true;
}

std::string OneLineText(std::string_view text)
{
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return line;
}

std::string SuffixedTitle(std::string_view title, int n)
{
    return std::string(title) + "(" + std::to_string(n) + ")";
}

std::string FirstClaimedTitle(const std::string& title, const TitleClaim& claim)
{
    if (claim(title)) return title;
    for (int n = 2;; ++n) {
        std::string candidate = SuffixedTitle(title, n);
        if (claim(candidate)) return candidate;
    }
}
