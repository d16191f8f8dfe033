// The reference list's walk. A new folder mostly follows a folder; after an entry the walk
// mostly stays at its depth and climbs out more often the deeper it is. Titles are unique
// among siblings, never hold a comma or an ASCII backslash, and never split a character.
#include "bench/reference_list.h"

#include <algorithm>
#include <iterator>

// Double-byte characters for titles, as CP932 bytes. Several have a trail byte that is an
// ASCII separator elsewhere (0x5C backslash, 0x7C bar, 0x7B brace).
static const char* const kDoubleByteChars[] = {
    "\x95\x5c", "\x94\x5c", "\x8f\x5c", "\x97\x5c", "\x90\x5c", "\x8d\x5c", "\x83\x7c", "\x93\xfa",
    "\x96\x7b", "\x8c\xea", "\x8c\x9f", "\x8d\xf5", "\x90\x56", "\x92\x85", "\x8f\xee", "\x95\xf1",
    "\x81\x5b", "\x81\x45", "\x81\x41", "\x81\x5f", "\x81\x43"};
static constexpr char kTitleAscii[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_.()&!";
static constexpr char kUrlAscii[] = "abcdefghijklmnopqrstuvwxyz0123456789/-_.~%=&?";
static const char* const kHostEnds[] = {".jp", ".co.jp", ".ne.jp", ".or.jp", ".com", ".net"};

// Mostly short, with a long tail up to `most`.
static size_t SkewedLength(SeededRandom& rng, size_t least, size_t most)
{
    size_t span = most - least + 1;
    return least + rng.Below(span) * rng.Below(span) / (span - 1);
}

static void AppendDoubleByte(SeededRandom& rng, std::string& out)
{
    switch (rng.Below(3)) {
    case 0: out += '\x82'; out += static_cast<char>(0x9F + rng.Below(0xF1 - 0x9F + 1)); break;   // hiragana
    case 1: {                                                                                       // katakana
        unsigned trail = 0x40 + static_cast<unsigned>(rng.Below(0x96 - 0x40));
        if (trail >= 0x7F) ++trail;   // 0x7F is no trail byte
        out += '\x83';
        out += static_cast<char>(trail);
        break;
    }
    default: out += kDoubleByteChars[rng.Below(std::size(kDoubleByteChars))]; break;
    }
}

// A title of 10 to 120 bytes: runs of ASCII words and double-byte text.
static std::string MakeTitle(SeededRandom& rng)
{
    size_t size = 10 + rng.Below(111);
    std::string title;
    while (title.size() < size) {
        size_t room = size - title.size();
        if (room >= 2 && rng.Chance(55)) {
            for (size_t n = 1 + rng.Below(6); n > 0 && size - title.size() >= 2; --n) AppendDoubleByte(rng, title);
        } else {
            for (size_t n = 1 + rng.Below(8); n > 0 && title.size() < size; --n)
                title += kTitleAscii[rng.Below(sizeof kTitleAscii - 1)];
            if (title.size() < size && rng.Chance(50)) title += ' ';
        }
    }
    return title;
}

// "http://", a host and a path: 30 to 400 bytes, mostly short.
static std::string MakeUrl(SeededRandom& rng)
{
    size_t size = SkewedLength(rng, 30, 400);
    std::string url = "http://www.";
    for (size_t n = 3 + rng.Below(10); n > 0; --n) url += static_cast<char>('a' + rng.Below(26));
    url += kHostEnds[rng.Below(std::size(kHostEnds))];
    url += '/';
    while (url.size() < size) url += rng.Chance(1) ? ',' : kUrlAscii[rng.Below(sizeof kUrlAscii - 1)];
    url.resize(size);
    return url;
}

ReferenceWalk StartReferenceList(size_t lines)
{
    ReferenceWalk walk;
    walk.lines = lines;
    return walk;
}

bool NextReferenceLine(ReferenceWalk& walk, std::string* line)
{
    if (walk.made >= walk.lines) return false;
    SeededRandom& rng = walk.rng;
    int depth;
    bool folder;
    if (walk.nextBook < kReferenceBooks && walk.made == walk.nextBook * walk.lines / kReferenceBooks) {
        ++walk.nextBook;
        depth = 0;
        folder = true;
    } else {
        int previous = walk.previousDepth;
        bool canOpen = walk.previousFolder && previous < kReferenceDeepest;
        if (canOpen && (previous == 0 || rng.Chance(92)))
            depth = previous + 1;
        else if (previous > 1 && rng.Below(200) < static_cast<size_t>(8 + 7 * previous))
            depth = previous - 1 - static_cast<int>(rng.Below(std::min(previous - 1, 2)));
        else
            depth = std::max(previous, 1);
        folder = rng.Chance(depth < kReferenceDeepest ? 19 : 5);
    }
    for (int deeper = depth + 1; deeper <= kReferenceDeepest; ++deeper) walk.siblings[deeper].clear();
    std::string title;
    do title = MakeTitle(rng); while (!walk.siblings[depth].insert(title).second);
    line->assign(1, static_cast<char>('0' + depth));
    *line += title;
    if (folder) {
        *line += '\\';
    } else {
        *line += ',';
        *line += MakeUrl(rng);
    }
    walk.previousDepth = depth;
    walk.previousFolder = folder;
    ++walk.made;
    return true;
}

std::vector<std::string> MakeReferenceList(size_t lines)
{
    std::vector<std::string> list;
    list.reserve(lines);
    ReferenceWalk walk = StartReferenceList(lines);
    std::string line;
    while (NextReferenceLine(walk, &line)) list.push_back(line);
    return list;
}
