// How a bookmark's URL is handed to a browser: as a file URL for browsers that want one, as
// the item of a DDE open request, and as one command-line argument. Code page 932 bytes.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// A DDE item travels as a string handle, which holds at most 255 characters (counted here in
// bytes, which are never fewer).
constexpr size_t kMaxDdeItemBytes = 255;

// A local path "X:\dir\file" (or "X:/dir/file"), X any single-byte character, as
// "file:///X|/dir/file"; every other text comes back unchanged. Backslashes become slashes
// only where they are characters of their own, never as the second byte of a double-byte
// character.
std::string MakeFileUrl(std::string_view text);

// The item of a WWW_OpenURL request: the URL in double quotes, an empty second argument and
// the window ID 0xFFFFFFFF. A double quote inside the URL is sent as %22 so that it cannot end
// the first argument, and so is a lead byte that no trail byte follows (%81 ...), which could
// take the closing quote for its own. False when the item would not fit a DDE item.
bool FormatOpenUrlItem(std::string_view url, std::string* item);

// Whether a browser would take the URL for a command-line switch: its first character, after
// any blanks (full-width ones too) and control bytes in front, which browsers trim from an
// argument, is '-' or '/'. A local path ("C:\...", "C:/...",
// "\\server\...") never starts so.
bool StartsLikeSwitch(std::string_view url);

// The URL as exactly one command-line argument, in double quotes, so that a blank stays a blank
// ("C:\My Docs\a.htm" reaches the browser as it is). Only what a quoted argument cannot carry
// is percent-encoded: double quotes, control bytes, and lead bytes that no trail byte follows
// (which could take the closing quote for their own). Backslash characters that end the URL are
// doubled, since the receiver halves a run of backslashes before a double quote.
std::string QuoteUrlArgument(std::string_view url);

// How the system's default browser is given a URL. A web address (scheme http, https or ftp,
// in any case) goes to the shell as it is. A local path ("X:\...", "X:/...", "\\server\...",
// X a letter) or a file: URL goes to the browser program as its argument: the shell would open
// it by its own file type, and a program or script in the list would run. The rest is refused.
enum class DefaultBrowserRoute { Shell, Argument, Refused };
DefaultBrowserRoute RouteForDefaultBrowser(std::string_view url);
