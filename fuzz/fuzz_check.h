// What the fuzz targets share: a check that stops the run with a message, the character starts
// of code page 932 text found by the plainest walk, and lists made from the fuzzer's bytes.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

inline void Check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// start[i] tells whether a character starts at byte i; start[size] is true. A lead byte takes
// the byte after it, if there is one. Written out here rather than taken from the program, so
// that the targets test its walks against an independent one.
inline std::vector<bool> CharStarts(std::string_view s)
{
    std::vector<bool> start(s.size() + 1, true);
    for (size_t i = 0; i < s.size(); ++i)
        if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) start[++i] = false;
    return start;
}

// The pieces of `bytes` between '\n' bytes (a list's lines, or the fields of a target).
inline std::vector<std::string> SplitAtNewlines(std::string_view bytes)
{
    std::vector<std::string> pieces(1);
    for (char c : bytes)
        if (c == '\n') pieces.emplace_back();
        else pieces.back().push_back(c);
    return pieces;
}
