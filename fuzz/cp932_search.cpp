// The code page 932 searches against a brute-force walk: every hit starts a character, none is
// missed, nothing is read past the text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/cp932.h"
#include "fuzz/fuzz_check.h"

constexpr size_t npos = std::string_view::npos;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    char ch = in.ConsumeIntegral<char>();
    size_t from = in.ConsumeIntegralInRange<size_t>(0, 64);
    std::string needle = in.ConsumeRandomLengthString(16);
    std::string s = in.ConsumeRemainingBytesAsString();
    std::vector<bool> start = CharStarts(s);
    while (from < s.size() && !start[from]) ++from;   // callers start on a character, as promised

    size_t first = npos, last = npos, hit = needle.empty() && from <= s.size() ? from : npos;
    for (size_t i = 0; i < s.size(); ++i) {
        if (!start[i]) continue;
        if (s[i] == ch && i >= from && first == npos) first = i;
        if (s[i] == ch) last = i;
        if (hit == npos && i >= from && !needle.empty() && s.compare(i, needle.size(), needle) == 0) hit = i;
    }
    Check(Find932(s, ch, from) == first, "Find932 gives the first character equal to ch from `from`");
    Check(FindLast932(s, ch) == last, "FindLast932 gives the last character equal to ch");
    Check(FindText932(s, needle, from) == hit, "FindText932 gives the first hit on a character start");
    Check(FindText932(s, needle, s.size() + 1) == npos, "nothing is found past the end");
    return 0;
}
