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

// The URL as exactly one command-line argument: blanks, control characters, double quotes and
// lead bytes that no trail byte follows are percent-encoded, so nothing in it can start another
// argument, however the receiver reads such a lead byte.
std::string EncodeUrlArgument(std::string_view url);
