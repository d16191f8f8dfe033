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

// start[i] tells whether a character starts at byte i; start[size] is true. A lead byte
// (0x81-0x9F, 0xE0-0xFC) takes the byte after it, if there is one. Written out here rather
// than taken from the program, so that the targets test its walks against an independent one.
inline std::vector<bool> CharStarts(std::string_view s)
{
    std::vector<bool> start(s.size() + 1, false);
    size_t i = 0;
    while (i < s.size()) {
        start[i] = true;
        unsigned char c = static_cast<unsigned char>(s[i]);
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        i += lead && i + 1 < s.size() ? 2 : 1;
    }
    start[s.size()] = true;
    return start;
}

// Whether `s` ends with a lead byte that has no byte after it.
inline bool EndsInHalfCharacter(std::string_view s)
{
    std::vector<bool> start = CharStarts(s);
    if (s.empty()) return false;
    unsigned char c = static_cast<unsigned char>(s.back());
    bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    return lead && start[s.size() - 1];
}

// The pieces of `bytes` between '\n' bytes (a list's lines, or the fields of a target).
inline std::vector<std::string> SplitAtNewlines(std::string_view bytes)
{
    std::vector<std::string> pieces;
    size_t from = 0;
    for (;;) {
        size_t end = bytes.find('\n', from);
        pieces.emplace_back(bytes.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
        if (end == std::string_view::npos) return pieces;
        from = end + 1;
    }
}
