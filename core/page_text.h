// The texts of a captured page: the browser's window-info reply and the title cut out of the
// browser window's caption. Code page 932 bytes throughout.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct WindowInfo {
    std::string url;      // first field of the reply
    std::string title;    // second field
    std::string window;   // third field, which nothing reads
};

// Splits a reply of the form "URL","title","window". A field starts after an optional double
// quote (the separators swallow the others) and ends at the next unescaped double quote or the
// end of `reply`. A backslash is dropped and the byte after it kept, whatever it is; a
// double-byte character is copied whole and never taken for a quote or a backslash; a
// backslash or lead byte as the last byte ends the field. Between fields every double quote
// and comma in a row is skipped, so an empty field vanishes and the next moves up. Reads
// nothing past `reply`.
WindowInfo ParseWindowInfo(std::string_view reply);

// The page title in the caption of browser `kind`: for 1 and 2 the caption up to its title
// mark; for 3 the text after the first "- [" up to the first " ]" after it. A caption without
// its mark is the title whole.
std::string CutPageTitle(uint32_t kind, std::string_view caption);

// The longest head of `text` of at most `maxBytes` bytes made of whole characters: a lead
// byte at the end without its trail byte is left out too, since it would take the byte that
// follows the text (the comma before a URL) for its own.
std::string_view HeadOnCharBoundary(std::string_view text, size_t maxBytes);

// The entry a captured page makes below a folder: the page's URL, and its title cut out of
// `caption` (see CutPageTitle) with its separators made full-width, or the URL so made when
// that is empty, at most 255 bytes ending on a character boundary.
struct PageEntry {
    std::string title;
    std::string url;
};
PageEntry MakePageEntry(uint32_t kind, std::string_view caption, std::string_view url);

// The page title in the caption of a browser of today: the caption before its last " - " or
// " — " (U+2014), after which the browser names itself (and the profile); empty when the caption
// has neither. Wide text, as the caption is read: the em dash has no exact CP932 form.
std::wstring_view TitleOfBrowserCaption(std::wstring_view caption);

// The URL a user copied from a browser's address bar: `text` without the blanks, tabs and line
// breaks around it, when what is left is one URL (a scheme of two or more characters, a letter
// first, then letters, digits, '+', '-' or '.'; a colon; something after it) with no blank or
// control character inside; else empty.
std::wstring_view OneUrlOfText(std::wstring_view text);

// The same for a title given whole (a dropped link's): the title on one line with its separators
// made full-width, or the URL so made when it is empty, at most 255 bytes; the URL on one line.
PageEntry MakeTitledEntry(std::string_view title, std::string_view url);
