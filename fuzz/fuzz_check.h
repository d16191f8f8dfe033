// What the fuzz targets share: a check, and code page 932 character starts by the plainest walk.
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

// start[i]: a character starts at byte i (start[size] too); a lead byte takes the next byte. Written
// out here, not taken from the program, so that its walks are tested against an independent one.
inline std::vector<bool> CharStarts(std::string_view s)
{
    std::vector<bool> start(s.size() + 1, true);
    for (size_t i = 0; i < s.size(); ++i)
        if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) start[++i] = false;
    return start;
}

// Lines an import adds: one line each (no CR, LF or NUL), starting at `top`, each no deeper than
// one below a folder line before it, and no URL line with an empty URL.
inline void CheckImportLines(const std::vector<std::string>& lines, unsigned char top)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        Check(!line.empty() && line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos, "one line each");
        unsigned char depth = line[0], above = i ? lines[i - 1][0] : top;
        bool underFolder = i && lines[i - 1].back() == '\\';
        Check(i ? depth <= above || (underFolder && depth == above + 1) : depth == top, "depths step one at a time");
        Check(line.back() == '\\' || line.find(',') + 1 < line.size(), "every link has its URL");
    }
}
