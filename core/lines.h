// The two line lists (bookmarks, internal clipboard) and the operations
// every command builds on: indexed access, insert and delete, the 65,535-line bound, the
// subtree walk and re-basing of depths.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One change to a line list: `count` lines at `at` stand where `lines` stood. Applying it swaps
// the two, so the same record takes the change back and, applied again, makes it again.
struct LineChange {
    size_t at = 0;
    size_t count = 0;
    std::vector<std::string> lines;
};

struct LineList {
    std::vector<std::string> lines;   // code page 932 bytes, no line ends, depth-first order
    std::vector<LineChange>* journal = nullptr;   // while set, every change below is recorded in it
};

extern LineList g_bookmarks;   // the only record of the user's bookmarks
extern LineList g_clip;        // the internal clipboard

// The bookmark list never holds more lines than a 16-bit count can name.
constexpr size_t kMaxLines = 65535;

// The 16-bit count of lines that saving and the tree rebuild walk. It is the list's own
// count, so it can never drift from it; every command keeps the list within kMaxLines.
uint16_t EntryCount(const LineList& list);

inline size_t LineCount(const LineList& list) { return list.lines.size(); }

// The line at `index`, or nullptr past the end: reading one past the end is how walks stop.
const std::string* GetLine(const LineList& list, size_t index);

// True when `more` lines can be added without passing kMaxLines.
bool HasRoomFor(const LineList& list, size_t more);

void AddLine(LineList& list, std::string line);
// Inserts before the line at `index`; an index equal to the count appends.
void InsertLine(LineList& list, size_t index, std::string line);
// Inserts a run of lines before `index` (or appends at the count).
void InsertLines(LineList& list, size_t index, std::vector<std::string> run);
// Removes the line; false when the index is outside the list.
bool DeleteLine(LineList& list, size_t index);
// Removes lines [first, end), which must lie in the list.
void EraseLines(LineList& list, size_t first, size_t end);
// Puts `text` in place of line `index`, which must lie in the list.
void ReplaceLine(LineList& list, size_t index, std::string text);
// Not recorded: a list read anew has no changes to take back.
void ResetLines(LineList& list);

// Applies `change` as described at LineChange, unrecorded; false, changing nothing, when its
// `count` lines are not in the list.
bool SwapChange(LineList& list, LineChange& change);

// One past the last line of the subtree of line `index`: the run of following lines whose
// depth character is greater than that of line `index`, compared by character code. An empty
// line ends every run. Returns index + 1 for a line without children.
size_t SubtreeEnd(const LineList& list, size_t index);

// Adds `delta` to the depth character of every line, moving a run to another depth without
// changing its shape. Empty lines stay empty.
void RebaseLines(std::vector<std::string>& run, int delta);

