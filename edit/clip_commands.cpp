// Clipboard commands. Copy and cut move the lines of one range in bulk and patch the tree;
// paste inserts the whole clip in one step and rebuilds the tree once. A selected item whose
// line cannot be found changes nothing.
#include "edit/clip_commands.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/clip_lines.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "edit/entry_commands.h"
#include "edit/unique_title.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

// The selected item and its line; false when there is none or its line is not found.
static bool SelectedEntry(HTREEITEM* item, size_t* line)
{
    long found;
    if (!SelectedLine(item, &found)) return false;
    *line = static_cast<size_t>(found);
    return true;
}

// The level of the selected entry: its parent's line, or kTopLevel for a Book and when
// nothing is selected. False when the entry's line or its parent's is not found.
static bool SelectedLevel(HTREEITEM* parent, long* parentLine)
{
    HTREEITEM item = SelectedItem();
    if (item) return FindLevelOfItem(item, parent, parentLine);
    *parent = nullptr;
    *parentLine = kTopLevel;
    return true;
}

static void PutInClip(std::vector<std::string> lines, bool add)
{
    if (!add) ResetLines(g_clip);
    InsertLines(g_clip, LineCount(g_clip), std::move(lines));
}

static void CopyEntry(bool add)
{
    HTREEITEM item;
    size_t line;
    if (!SelectedEntry(&item, &line)) return;
    PutInClip(ClipLinesOf(g_bookmarks, EntryRange(g_bookmarks, line), EntryTopDepth(g_bookmarks, line)), add);
}

void OnCopy() { CopyEntry(false); }
void OnCopyAdd() { CopyEntry(true); }

void OnCopyLevel()
{
    HTREEITEM parent;
    long parentLine;
    if (!SelectedLevel(&parent, &parentLine)) return;
    LineRange range = LevelRange(g_bookmarks, parentLine);
    PutInClip(ClipLinesOf(g_bookmarks, range, LevelTopDepth(g_bookmarks, parentLine)), false);
}

static void CutEntry(bool add)
{
    HTREEITEM item;
    size_t line;
    if (g_bookmarks.lines.empty() || !SelectedEntry(&item, &line)) return;
    unsigned char topDepth = EntryTopDepth(g_bookmarks, line);
    LineRange range = EntryRange(g_bookmarks, line);
    bool gap = StopsAtGap(g_bookmarks, range);
    PutInClip(CutClipLines(g_bookmarks, range, topDepth), add);
    RemoveEntryItem(item, gap);
}

void OnCut() { CutEntry(false); }
void OnCutAdd() { CutEntry(true); }

void OnCutLevel()
{
    HTREEITEM parent;
    long parentLine;
    if (g_bookmarks.lines.empty() || !SelectedLevel(&parent, &parentLine)) return;
    LineRange range = LevelRange(g_bookmarks, parentLine);
    if (range.empty()) return;
    unsigned char topDepth = LevelTopDepth(g_bookmarks, parentLine);
    bool gap = StopsAtGap(g_bookmarks, range);
    PutInClip(CutClipLines(g_bookmarks, range, topDepth), false);
    RemoveLevelItems(parent, parentLine, gap);
}

// `clip` raised by `shift`, its top titles unique among the children of `parent` (the top level
// for null) but `leaving` and each other; none, with the user told, when it would be too deep.
static std::optional<std::vector<std::string>> PlacedLines(HWND hwnd, const std::vector<std::string>& clip,
                                                           HTREEITEM parent, int shift, HTREEITEM leaving = nullptr)
{
    std::unordered_set<std::wstring> taken = ChildTitles(parent, leaving);
    auto lines = MakePasteLines(clip, shift,
                                [&taken](const std::string& title) { return taken.insert(Widen(title)).second; });
    if (!lines) ShowMessage(hwnd, LoadText(IDS_PASTE_TOO_DEEP), MB_OK | MB_ICONWARNING);
    return lines;
}

// Inserts the clip at line `at` below `parent` (the top level for null), its depths raised by
// `shift` and its top titles unique among the parent's children and each other, then rebuilds
// the tree and selects the last line inserted (with an empty clip, the line before `at`).
static void PasteClip(HWND hwnd, HTREEITEM parent, size_t at, int shift)
{
    if (!CheckRoomForLines(hwnd, LineCount(g_clip))) return;
    auto lines = PlacedLines(hwnd, g_clip.lines, parent, shift);
    if (!lines) return;
    size_t count = lines->size();
    InsertLines(g_bookmarks, at, std::move(*lines));
    SelectItem(RebuildTree(static_cast<unsigned long>(at + count) - 1));
}

void OnPaste(HWND hwnd)
{
    HTREEITEM target;
    size_t line;
    if (!SelectedEntry(&target, &line) || ItemData(g_ui.tree, target) == kUrlItemData) return;
    // The clip's top entries become the folder's children, one level below it.
    int shift = DepthCharOf(g_bookmarks.lines[line]) + 1 - kTopDepthChar;
    PasteClip(hwnd, target, line + 1, shift);
}

void OnPasteRoot(HWND hwnd)
{
    PasteClip(hwnd, nullptr, LineCount(g_bookmarks), 0);
}

namespace {
// Where lines put on an item go: under `parent` after the item `after`, at line `at`, `shift`
// levels below the top.
struct Place {
    HTREEITEM parent = nullptr;
    HTREEITEM after = TVI_LAST;
    size_t at = 0;
    int shift = 0;
};
}  // namespace

static bool PlaceOn(HTREEITEM target, Place* place)
{
    if (!target) {
        *place = {nullptr, TVI_LAST, LineCount(g_bookmarks), 0};
        return true;
    }
    long line = FindLineOfItem(target);
    if (line < 0) return false;
    size_t index = static_cast<size_t>(line);
    int depth = DepthCharOf(g_bookmarks.lines[index]) - kTopDepthChar;
    if (ItemData(g_ui.tree, target) == kUrlItemData)
        *place = {NextItem(target, TVGN_PARENT), target, SubtreeEnd(g_bookmarks, index), depth};
    else
        *place = {target, TVI_FIRST, index + 1, depth + 1};
    return true;
}

bool PutLinesOn(HWND hwnd, const std::vector<std::string>& lines, HTREEITEM target)
{
    Place place;
    if (lines.empty() || !PlaceOn(target, &place) || !CheckRoomForLines(hwnd, lines.size())) return false;
    auto placed = PlacedLines(hwnd, lines, place.parent, place.shift);
    if (!placed) return false;
    size_t count = placed->size();
    InsertLines(g_bookmarks, place.at, std::move(*placed));
    SelectItem(ShowInsertedLines(place.parent, place.after, place.at, place.at + count));
    return true;
}

bool MoveEntryOnto(HWND hwnd, HTREEITEM item, HTREEITEM target)
{
    Place place;
    long found = FindLineOfItem(item);
    if (found < 0 || IsItemWithin(target, item) || !PlaceOn(target, &place)) return false;
    size_t line = static_cast<size_t>(found);
    LineRange range = EntryRange(g_bookmarks, line);
    unsigned char topDepth = EntryTopDepth(g_bookmarks, line);
    auto placed = PlacedLines(hwnd, ClipLinesOf(g_bookmarks, range, topDepth), place.parent, place.shift, item);
    if (!placed) return false;
    if (place.at > range.first) place.at -= range.end - range.first;
    auto first = g_bookmarks.lines.begin() + static_cast<std::ptrdiff_t>(range.first);
    if (place.at == range.first && std::equal(placed->begin(), placed->end(), first, first + (range.end - range.first)))
        return false;   // it would land where it stands: nothing to do, nothing to take back
    bool gap = StopsAtGap(g_bookmarks, range);
    EraseLines(g_bookmarks, range.first, range.end);
    size_t count = placed->size();
    InsertLines(g_bookmarks, place.at, std::move(*placed));
    if (gap) {
        // The lines after the gap were shown among the moved items: only a rebuild shows them rightly.
        SelectItem(RebuildTree(static_cast<unsigned long>(place.at)));
        return true;
    }
    SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    SelectItem(ShowInsertedLines(place.parent, place.after, place.at, place.at + count));
    return true;
}
