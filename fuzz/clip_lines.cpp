// The internal clipboard's line work on any list: ranges follow the subtree rule, copies are
// made relative without wrapping, a cut pasted back where it was gives the list it came from,
// and a paste keeps every line but the top titles, which read back as the titles claimed.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/clip_lines.h"
#include "core/entry_line.h"
#include "fuzz/fuzz_check.h"

static unsigned char DepthAt(const LineList& list, size_t i) { return DepthCharOf(list.lines[i]); }

// The range is `first` and the run after it of lines deeper than `depth`.
static void CheckRange(const LineList& list, LineRange range, size_t first, unsigned char depth)
{
    Check(range.first == first && range.end <= list.lines.size(), "the range starts where asked, within the list");
    for (size_t i = first; i < range.end; ++i)
        Check(i == first || DepthAt(list, i) > depth, "every following line of the range is deeper");
    if (range.end < list.lines.size() && range.end > first)
        Check(DepthAt(list, range.end) <= depth, "the range ends at the first line that is not deeper");
}

// The clip holds the range's lines, each depth character lowered by topDepth - '0'.
static void CheckClip(const LineList& list, LineRange range, unsigned char topDepth,
                      const std::vector<std::string>& clip)
{
    Check(clip.size() == range.end - range.first, "the clip holds the range");
    for (size_t k = 0; k < clip.size(); ++k) {
        const std::string& from = list.lines[range.first + k];
        Check(!from.empty(), "a range holds no empty line");
        Check(clip[k].size() == from.size() && clip[k].compare(1, std::string::npos, from, 1) == 0,
              "only the depth character changes");
        Check(DepthCharOf(clip[k]) == DepthCharOf(from) - topDepth + '0', "depths are made relative");
        Check(DepthCharOf(clip[k]) >= '0', "no depth falls below the top");
    }
}

// Cuts the range out of a copy of the list and pastes it back at the same place.
static void CheckCutAndPasteBack(const LineList& list, LineRange range, unsigned char topDepth,
                                 const std::vector<std::string>& clip)
{
    LineList cut = list;
    Check(CutClipLines(cut, range, topDepth) == clip, "a cut takes what a copy takes");
    Check(cut.lines.size() == list.lines.size() - clip.size(), "a cut removes the range");
    auto back = MakePasteLines(clip, topDepth - '0', [](const std::string&) { return true; });
    Check(back.has_value(), "lines go back to the depth they came from");
    InsertLines(cut, range.first, std::move(*back));
    Check(cut.lines == list.lines, "a cut pasted back where it was gives the list it came from");
}

static void CheckPaste(const std::vector<std::string>& clip, int shift, unsigned refusals)
{
    std::vector<std::string> claimed;
    unsigned refused = 0;
    auto lines = MakePasteLines(clip, shift, [&](const std::string& title) {
        if (refused < refusals) {
            ++refused;
            return false;
        }
        claimed.push_back(title);
        refused = 0;
        return true;
    });
    bool fits = true;
    for (const std::string& line : clip) fits = fits && (line.empty() || DepthCharOf(line) + shift <= 0xFF);
    Check(lines.has_value() == fits, "a paste is refused exactly when a depth would pass the last byte value");
    if (!lines) return;
    Check(lines->size() == clip.size(), "a paste inserts every line of the clip");
    size_t top = 0;
    for (size_t k = 0; k < clip.size(); ++k) {
        const std::string& from = clip[k];
        const std::string& to = (*lines)[k];
        if (from.empty()) {
            Check(to.empty(), "an empty line stays empty");
            continue;
        }
        Check(DepthCharOf(to) == DepthCharOf(from) + shift, "every depth is raised by the shift");
        if (DepthCharOf(from) != '0') {
            Check(to.compare(1, std::string::npos, from, 1) == 0, "lines below the top are kept");
            continue;
        }
        Check(top < claimed.size() && LineTitle(to) == claimed[top], "a top line reads back as the title claimed");
        ++top;
        Check(IsFolderLine(to) == IsFolderLine(from) && LineUrl(to) == LineUrl(from), "a top line keeps its kind and URL");
    }
    Check(top == claimed.size(), "one title is claimed per top line");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    size_t pick = in.ConsumeIntegral<uint16_t>();
    // A paste raises depths by 0 (the top level) up to 10 (below a folder at depth 9).
    int shift = in.ConsumeIntegralInRange<int>(0, 10);
    unsigned refusals = in.ConsumeIntegralInRange<unsigned>(0, 3);
    LineList list;
    list.lines = SplitAtNewlines(in.ConsumeRemainingBytesAsString());

    LineRange level = LevelRange(list, kTopLevel);
    Check(level.first == 0 && level.end <= list.lines.size(), "the top level starts the list");
    for (size_t i = 0; i < level.end; ++i) Check(DepthAt(list, i) >= '0', "the top level holds entries only");
    if (level.end < list.lines.size()) Check(DepthAt(list, level.end) < '0', "the top level ends at the first non-entry");
    Check(LevelTopDepth(list, kTopLevel) == '0', "the top level is made relative to '0'");
    std::vector<std::string> topClip = ClipLinesOf(list, level, '0');
    CheckClip(list, level, '0', topClip);
    if (!level.empty()) CheckCutAndPasteBack(list, level, '0', topClip);

    // Commands act on shown lines only: the entry picked, and the level below it.
    size_t line = pick % list.lines.size();
    if (!HasShownDepth(list.lines[line])) return 0;
    unsigned char depth = DepthAt(list, line);

    LineRange entry = EntryRange(list, line);
    CheckRange(list, entry, line, depth);
    Check(EntryTopDepth(list, line) == depth, "an entry is made relative to its own depth");
    std::vector<std::string> clip = ClipLinesOf(list, entry, depth);
    CheckClip(list, entry, depth, clip);
    Check(clip[0][0] == '0', "the entry becomes a top entry of the clip");
    CheckCutAndPasteBack(list, entry, depth, clip);
    CheckPaste(clip, shift, refusals);

    long parent = static_cast<long>(line);
    LineRange below = LevelRange(list, parent);
    Check(below.first == line + 1 && below.end == entry.end, "a folder's level is its subtree below it");
    unsigned char levelTop = LevelTopDepth(list, parent);
    Check(levelTop == depth + 1, "a level is made relative to one below its parent");
    std::vector<std::string> levelClip = ClipLinesOf(list, below, levelTop);
    CheckClip(list, below, levelTop, levelClip);
    if (!below.empty()) CheckCutAndPasteBack(list, below, levelTop, levelClip);
    CheckPaste(levelClip, shift, refusals);
    return 0;
}
