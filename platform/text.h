// Conversions between the program's code page 932 bytes and the wide text of the W API.
// The only place that names code page 932 for the system.
#pragma once
#include <string>
#include <string_view>

#include "core/import_rules.h"

// CP932 bytes to UTF-16. Bytes that form no character become the system's replacement
// character; the same bytes always give the same wide text.
std::wstring Widen(std::string_view cp932);

// Widen into a caller's buffer, reusing its capacity (for loops over many lines).
void WidenInto(std::string_view cp932, std::wstring& out);

// UTF-16 to CP932. False when a character has no CP932 form; `out` is then unchanged.
bool Narrow(std::wstring_view wide, std::string* out);

// The CP932 bytes of a field's text `wide`, the field having been filled with Widen(`filled`):
// `filled` itself when the text is still what it was filled with, so that bytes which do not
// survive a round trip through UTF-16 stay exact; else as Narrow.
bool NarrowField(std::wstring_view wide, std::string_view filled, std::string* out);

// UTF-16 to CP932 with every character that has no CP932 form made '?'. True when nothing
// had to be replaced.
bool NarrowReplacing(std::wstring_view wide, std::string* out);

// A URL's bytes: CP932 where a character has a CP932 form, else its UTF-8 bytes in %XX form,
// so that every browser is given the same address.
std::string UrlBytesOfText(std::wstring_view url);

// CP932 bytes to UTF-8. False when a byte sequence stands for no character.
bool Cp932ToUtf8(std::string_view cp932, std::string* utf8);

// Bytes that `wide` takes in CP932, counting unconvertible characters as the default char.
size_t Cp932Length(std::wstring_view wide);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8Of(std::wstring_view wide);

// UTF-8 to CP932. False when the bytes are no UTF-8 or a character has no CP932 form (never a
// best-fit stand-in); `cp932` is then unchanged.
bool Utf8ToCp932(std::string_view utf8, std::string* cp932);

// The system's conversions for the readers and the writer of other programs' bookmark files.
const TextCodec& SystemTextCodec();
