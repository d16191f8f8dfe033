// Code page 932 scanning: every loop steps a whole character at a time.
#include "core/cp932.h"

size_t Find932(std::string_view s, char ch, size_t from)
{
    for (size_t i = from; i < s.size(); i += CharLength932(s, i))
        if (s[i] == ch) return i;
    return std::string_view::npos;
}

size_t FindLast932(std::string_view s, char ch)
{
    size_t last = std::string_view::npos;
    for (size_t i = 0; i < s.size(); i += CharLength932(s, i))
        if (s[i] == ch) last = i;
    return last;
}

size_t FindText932(std::string_view s, std::string_view needle, size_t from)
{
    if (needle.empty()) return from <= s.size() ? from : std::string_view::npos;
    // The byte search finds candidates fast; the character walk, which only ever moves
    // forward, tells whether a candidate starts a character.
    size_t boundary = from;
    for (size_t hit = s.find(needle, from); hit != std::string_view::npos; hit = s.find(needle, boundary)) {
        while (boundary < hit) boundary += CharLength932(s, boundary);
        if (boundary == hit) return hit;
    }
    return std::string_view::npos;
}

void LowerAsciiInPlace(std::string& s)
{
    for (size_t i = 0; i < s.size(); i += CharLength932(s, i))
        if (s[i] >= 'A' && s[i] <= 'Z') s[i] = static_cast<char>(s[i] - 'A' + 'a');
}

std::string LowerAscii(std::string_view s)
{
    std::string out(s);
    LowerAsciiInPlace(out);
    return out;
}
