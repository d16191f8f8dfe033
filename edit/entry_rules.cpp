// Title and URL rules of the entry dialogs.
#include "edit/entry_rules.h"

#include "list/cp932.h"
#include "list/entry_line.h"

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

std::string StorableTitle(std::string_view text)
{
    std::string title;
    for (size_t i = 0; i < text.size(); ++i) {
        bool lead = IsLead932(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        if (lead) {
            title.append(text.substr(i, 2));
            ++i;
        } else if (text[i] == kUrlSeparator) {
            title.append(kWideComma932);
        } else if (text[i] == kFolderMark) {
            title.append(kWideBackslash932);
        } else {
            title.push_back(text[i]);
        }
    }
    return title;
}

EntryProblem CompleteUrlEntry(std::string& title, std::string& url, std::string_view originalTitle,
                              std::string_view originalUrl)
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
    return EntryProblem::None;
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
