// The internal clipboard's line work on any list: a cut pasted back where it was gives the list
// it came from, and a paste is refused exactly when a depth would pass the last byte value.
#include <cstdint>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/clip_lines.h"
#include "core/entry_line.h"
#include "fuzz/fuzz_check.h"

static void CheckCutAndPasteBack(const LineList& list, LineRange range, unsigned char topDepth, int shift)
{
    std::vector<std::string> clip = ClipLinesOf(list, range, topDepth);
    LineList cut = list;
    Check(CutClipLines(cut, range, topDepth) == clip, "a cut takes what a copy takes");
    auto back = MakePasteLines(clip, topDepth - '0', [](const std::string&) { return true; });
    Check(back.has_value(), "lines go back to the depth they came from");
    InsertLines(cut, range.first, std::move(*back));
    Check(cut.lines == list.lines, "a cut pasted back where it was gives the list it came from");

    bool fits = true;
    for (const std::string& line : clip) fits = fits && (line.empty() || DepthCharOf(line) + shift <= 0xFF);
    Check(MakePasteLines(clip, shift, [](const std::string&) { return true; }).has_value() == fits,
          "a paste is refused exactly when a depth would pass the last byte value");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    size_t pick = in.ConsumeIntegral<uint16_t>();
    int shift = in.ConsumeIntegralInRange<int>(0, 10);   // the top level up to below a folder at depth 9
    LineList list;
    list.lines = SplitAtNewlines(in.ConsumeRemainingBytesAsString());
    CheckCutAndPasteBack(list, LevelRange(list, kTopLevel), '0', shift);
    // Commands act on shown lines only: the entry picked, and the level below it.
    size_t line = pick % list.lines.size();
    if (!HasShownDepth(list.lines[line])) return 0;
    CheckCutAndPasteBack(list, EntryRange(list, line), EntryTopDepth(list, line), shift);
    long parent = static_cast<long>(line);
    CheckCutAndPasteBack(list, LevelRange(list, parent), LevelTopDepth(list, parent), shift);
    return 0;
}
