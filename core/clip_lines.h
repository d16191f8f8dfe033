// The internal clipboard's line work: taking an entry's subtree or a whole level out of the
// bookmark list with depths made relative (its top entries at '0'), and the lines a paste
// inserts, re-based to their new place with the top entries' titles made unique.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/entry_rules.h"
#include "core/lines.h"

// Lines [first, end) of the list.
struct LineRange {
    size_t first = 0;
    size_t end = 0;
    bool empty() const { return first >= end; }
};

// The entry at `index` with its subtree.
LineRange EntryRange(const LineList& list, size_t index);

// Every entry of one level with its subtree: the children of the folder at `parentIndex`, or,
// for kTopLevel, every line from the first up to the first one that is no entry (its first
// byte below '0', as an empty line's is).
constexpr long kTopLevel = -1;
LineRange LevelRange(const LineList& list, long parentIndex);

// True when the range stops at a line that is no entry (its first byte below '0', as an empty
// line's is) and more lines follow: the tree shows the lines after such a gap under the items
// of the range, although the subtree rule leaves them out of it.
bool StopsAtGap(const LineList& list, LineRange range);

// The depth character that the lines of the range are made relative to: the entry's own for
// an entry, one below the parent's for a level, '0' for the top level.
unsigned char EntryTopDepth(const LineList& list, size_t index);
unsigned char LevelTopDepth(const LineList& list, long parentIndex);

// Copies of the range's lines, each depth character lowered so that `topDepth` becomes '0'.
std::vector<std::string> ClipLinesOf(const LineList& list, LineRange range, unsigned char topDepth);

// The same, removing the lines from the list.
std::vector<std::string> CutClipLines(LineList& list, LineRange range, unsigned char topDepth);

// The lines a paste inserts: the clip's lines with every depth character raised by `shift`,
// and the title of each top entry (depth '0' in the clip) replaced by the first of title,
// title(2), title(3), ... that `claim` accepts. Nothing when a depth character would pass
// the last byte value.
std::optional<std::vector<std::string>> MakePasteLines(const std::vector<std::string>& clip, int shift,
                                                       const TitleClaim& claim);
