// UTF-8 byte strings: the text of bookmark files from outside, decoded one character at a time.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Bytes of the well-formed UTF-8 character at `at` (1-4), or 0 when the bytes there stand for
// none (a stray continuation byte, an overlong form, a surrogate, past U+10FFFF, cut short).
size_t Utf8CharLength(std::string_view s, size_t at);

// The code point of a character that Utf8CharLength measured as `length` bytes.
char32_t Utf8CodePoint(std::string_view s, size_t at, size_t length);

// True when every character of `s` is well-formed UTF-8.
bool IsValidUtf8(std::string_view s);

// Appends the UTF-8 form of `cp`; false, appending nothing, for a surrogate or past U+10FFFF.
bool AppendUtf8(std::string& out, char32_t cp);
