// What the entry dialogs accept: the rules for titles and URLs, in code page 932 bytes.
#pragma once
#include <functional>
#include <string>
#include <string_view>

// Longest text typed into a title or URL field, and longest text after the program adds a
// "(n)" suffix or an "http://" prefix.
constexpr size_t kTypedFieldBytes = 254;
constexpr size_t kFieldBytes = 255;

enum class EntryProblem {
    None,
    EmptyTitle,          // a folder needs a title
    EmptyUrl,            // a URL entry needs a URL
    TitleHasBackslash,   // the list cannot hold it: titles are split at backslashes
    TitleHasComma,       // a URL entry's title ends at its first comma
    TitleTooLong,
    UrlTooLong,
    TitleHasLineBreak,   // a CR, LF or NUL would end or break the entry's line in the list file
    UrlHasLineBreak,
    UrlEndsInBackslash,  // its line would read back as a folder, and MakeUrlStorable cannot help
};

// The UTF-8 bytes of one double-byte CP932 character; false when the bytes stand for none.
using Utf8OfChar = std::function<bool(std::string_view cp932, std::string* utf8)>;

// Makes `url` a URL that a line of the list can end with: a line whose last byte is 0x5C
// reads back as a folder. An http(s) URL's final single-byte backslash becomes '/', and its
// final double-byte character with 0x5C for a trail byte is written as its UTF-8 bytes in %XX
// form; a local folder path (X:\..., \\server\...) loses its final backslashes. False, with
// `url` unchanged, when none of these applies.
bool MakeUrlStorable(std::string& url, const Utf8OfChar& utf8Of);

// Each byte as %XX (upper-case hex), as URLs carry bytes that are no characters of their own.
std::string PercentEncoded(std::string_view bytes);

// A folder title as typed. `original` (the title before an edit) is accepted as it is.
EntryProblem CheckFolderTitle(std::string_view title, std::string_view original);

// A URL entry as typed: an empty title takes the URL (with commas and backslashes made
// full-width so the title can be stored), a URL without "://" gets "http://" in front, and the
// URL is then made storable (MakeUrlStorable, with `utf8Of`). The texts are changed in place;
// originals are accepted as they are.
EntryProblem CompleteUrlEntry(std::string& title, std::string& url, std::string_view originalTitle,
                              std::string_view originalUrl, const Utf8OfChar& utf8Of);

// `text` as a title the list can hold: commas and backslashes become their full-width forms.
std::string StorableTitle(std::string_view text);

// `text` as a folder title the list can hold: backslashes become full-width (a folder's title
// ends only at its line's last byte, so commas stay).
std::string StorableFolderTitle(std::string_view text);

// `text` with every CR, LF and NUL byte made a blank, so that text from outside (a browser's
// reply or caption) stays on one line of the list file. Every other byte stays where it was.
std::string OneLineText(std::string_view text);

// `title` followed by "(n)".
std::string SuffixedTitle(std::string_view title, int n);

// Accepts a title when it is free among some siblings, and then counts it as taken.
using TitleClaim = std::function<bool(const std::string& title)>;

// The first of title, title(2), title(3), ... that `claim` accepts.
std::string FirstClaimedTitle(const std::string& title, const TitleClaim& claim);

// True when `text` starts with `head` (lower case), its single-byte letters taken in either case.
bool StartsWithNoCase(std::string_view text, std::string_view head);

// A path on a drive ("X:\..." or "X:/...", X a letter) or on a server ("\\server\...").
bool IsLocalPath(std::string_view url);
