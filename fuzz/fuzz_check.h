// What the fuzz targets share: a check, and code page 932 character starts by the plainest walk.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

inline void Check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// start[i]: a character starts at byte i (start[size] too); a lead byte takes the next byte. Written
// out here, not taken from the program, so that its walks are tested against an independent one.
inline std::vector<bool> CharStarts(std::string_view s)
{
    std::vector<bool> start(s.size() + 1, true);
    for (size_t i = 0; i < s.size(); ++i)
        if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) start[++i] = false;
    return start;
}
