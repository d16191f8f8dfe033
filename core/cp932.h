// Byte-string helpers for code page 932 text: searches that never take the trail byte
// of a double-byte character for a separator, and ASCII-only case folding.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Lead bytes of a double-byte character: 0x81-0x9F and 0xE0-0xFC. The program's own test,
// independent of the system code page.
inline bool IsLead932(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Trail bytes of a double-byte character: 0x40-0x7E and 0x80-0xFC. The searches take any byte
// after a lead byte as its trail; only text handed to other programs, which may read it either
// way, needs to know that a lead byte before anything else is no character.
inline bool IsTrail932(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Bytes of the character at `at`: 2 for a lead byte with a byte after it, else 1 (a lone lead
// byte at the end counts as one character). Every loop over CP932 text steps by this.
inline size_t CharLength932(std::string_view s, size_t at)
{
    return (IsLead932(static_cast<unsigned char>(s[at])) && at + 1 < s.size()) ? 2 : 1;
}

// Index of the first single-byte character `ch` at or after `from` (a character boundary),
// or npos. A lone lead byte at the end counts as one character.
size_t Find932(std::string_view s, char ch, size_t from = 0);

// Index of the last single-byte character `ch`, or npos.
size_t FindLast932(std::string_view s, char ch);

// Index of the first occurrence of `needle` that starts on a character boundary at or after
// `from`, or npos. An empty needle matches at `from`.
size_t FindText932(std::string_view s, std::string_view needle, size_t from = 0);

// Copy with the single-byte letters A-Z lowered; the bytes of double-byte characters
// (whose trail byte may equal a letter) are never changed.
std::string LowerAscii(std::string_view s);

// The same in place, for loops that reuse one buffer.
void LowerAsciiInPlace(std::string& s);

// The full-width comma in code page 932.
constexpr std::string_view kWideComma932 = "\x81\x43";
