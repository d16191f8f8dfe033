// The code page 932 searches: every hit starts a character, none is missed, nothing is read
// past the text; lowering touches single-byte letters only; the searches over lines (find, and
// a path's titles one depth at a time) agree with them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/cp932.h"
#include "core/entry_line.h"
#include "core/line_search.h"
#include "fuzz/fuzz_check.h"

constexpr size_t npos = std::string_view::npos;

static void CheckCharSearches(std::string_view s, char ch, size_t from)
{
    std::vector<bool> start = CharStarts(s);
    size_t first = npos, last = npos;
    for (size_t i = 0; i < s.size(); ++i) {
        if (!start[i] || s[i] != ch) continue;
        if (first == npos && i >= from) first = i;
        last = i;
    }
    Check(Find932(s, ch, from) == first, "Find932 gives the first character equal to ch from `from`");
    Check(FindLast932(s, ch) == last, "FindLast932 gives the last character equal to ch");
}

static size_t FirstHitAt(std::string_view s, std::string_view needle, size_t from)
{
    std::vector<bool> start = CharStarts(s);
    for (size_t i = from; i + needle.size() <= s.size(); ++i)
        if (start[i] && s.substr(i, needle.size()) == needle) return i;
    return npos;
}

static void CheckTextSearch(std::string_view s, std::string_view needle, size_t from)
{
    size_t expected = !needle.empty() ? FirstHitAt(s, needle, from) : from <= s.size() ? from : npos;
    Check(FindText932(s, needle, from) == expected, "FindText932 gives the first hit on a character start");
}

static void CheckLowering(std::string_view s)
{
    std::string lowered = LowerAscii(s);
    std::vector<bool> start = CharStarts(s);
    Check(lowered.size() == s.size(), "lowering keeps the length");
    for (size_t i = 0; i < s.size(); ++i) {
        bool letter = start[i] && s[i] >= 'A' && s[i] <= 'Z';
        char want = letter ? static_cast<char>(s[i] - 'A' + 'a') : s[i];
        Check(lowered[i] == want, "only single-byte capitals are lowered");
    }
}

// Lines from the text, and the needle, searched with and without case folding.
static void CheckLineSearch(std::string_view text, std::string needle, size_t from)
{
    LineList list;
    list.lines = SplitAtNewlines(text);
    for (bool fold : {false, true}) {
        std::string wanted = fold ? LowerAscii(needle) : needle;
        long expected = -1;
        for (size_t i = from; i < list.lines.size() && expected < 0; ++i) {
            std::string line = fold ? LowerAscii(list.lines[i]) : list.lines[i];
            if (wanted.empty() || FirstHitAt(line, wanted, 0) != npos) expected = static_cast<long>(i);
        }
        Check(FindLineContaining(list, from, wanted, fold) == expected,
              "find gives the first line from `from` that holds the text");
    }
}

// The path search of one depth: the first line after `start` (going round to line 0 and up to
// `start` itself) with the depth character and the title asked for.
static void CheckDepthSearch(std::string_view text, const std::string& title, long start, unsigned char depthChar)
{
    LineList list;
    list.lines = SplitAtNewlines(text);
    long count = static_cast<long>(list.lines.size());
    long expected = -1;
    long first = start < 0 || start >= count ? 0 : start + 1;
    for (long step = 0; step < count && expected < 0; ++step) {
        long i = (first + step) % count;
        const std::string& line = list.lines[static_cast<size_t>(i)];
        if (DepthCharOf(line) == depthChar && LineTitle(line) == title) expected = i;
    }
    long found = FindLineAtDepth(list, start, depthChar, [&title](std::string_view t) { return t == title; });
    Check(found == expected, "the depth search finds the next line round the list with that depth and title");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    char ch = in.ConsumeIntegral<char>();
    size_t from = in.ConsumeIntegralInRange<size_t>(0, 64);
    std::string needle = in.ConsumeRandomLengthString(16);
    std::string s = in.ConsumeRemainingBytesAsString();
    // `from` is a character start, as the callers promise; past the end it finds nothing.
    std::vector<bool> start = CharStarts(s);
    while (from < s.size() && !start[from]) ++from;

    CheckCharSearches(s, ch, from);
    CheckTextSearch(s, needle, from);
    CheckTextSearch(s, needle, s.size() + 1);
    CheckLowering(s);
    CheckLineSearch(s, needle, from % 8);
    CheckDepthSearch(s, needle, static_cast<long>(from % 10) - 1, static_cast<unsigned char>(ch));
    return 0;
}
