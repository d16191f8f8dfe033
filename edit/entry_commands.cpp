// New book, group and URL entries; editing; deleting an entry or a whole level. A selected
// item whose line cannot be found changes nothing.
#include "edit/entry_commands.h"

#include <commctrl.h>

#include <string>

#include "core/clip_lines.h"
#include "core/cp932.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "edit/entry_dialog.h"
#include "edit/unique_title.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

void ReportListFull(HWND hwnd)
{
    ShowMessage(hwnd, LoadText(IDS_LIST_FULL), MB_OK | MB_ICONWARNING);
}

std::wstring UnstorableUrlText(size_t leftOut)
{
    std::wstring why = LoadText(IDS_URL_ENDS_IN_YEN);
    return leftOut == 0 ? why : FormatText(IDS_URLS_LEFT_OUT, {std::to_wstring(leftOut)}) + why;
}

bool CheckRoomForLines(HWND hwnd, size_t more)
{
    if (HasRoomFor(g_bookmarks, more)) return true;
    ReportListFull(hwnd);
    return false;
}

void ReportTitleWithoutRoom(HWND hwnd)
{
    ShowMessage(hwnd, LoadText(IDS_TITLE_NO_ROOM_FOR_NUMBER), MB_OK | MB_ICONWARNING);
}

void OnNewBook(HWND hwnd)
{
    if (!CheckRoomForLines(hwnd, 1)) return;
    EntryForm form;
    if (!AskFolderTitle(hwnd, form)) return;
    if (!CheckRoomForLines(hwnd, 1)) return;   // a reload during the dialog may have filled the list
    if (!MakeUniqueTitle(nullptr, form.title)) return ReportTitleWithoutRoom(hwnd);
    AddLine(g_bookmarks, MakeFolderLine(kTopDepthChar, form.title));
    SelectItem(InsertBookItem(TVI_ROOT, form.title));
}

static void NewChild(HWND hwnd, bool url)
{
    HTREEITEM folder;
    long line;
    if (!SelectedFolder(&folder, &line)) return;
    if (!CheckRoomForLines(hwnd, 1)) return;
    TitlePath path = TitlePathOfItem(folder);
    EntryForm form;
    if (!(url ? AskUrlEntry(hwnd, form) : AskFolderTitle(hwnd, form))) return;
    // The dialog's message loop may have handled a reload or a delete: the list and the tree
    // may be other than they were.
    folder = FindEntryAgain(path, kFolderItemData, &line);
    if (!folder || !CheckRoomForLines(hwnd, 1)) return;
    if (!MakeUniqueTitle(folder, form.title)) return ReportTitleWithoutRoom(hwnd);
    AddLineUnderFolder(folder, line, url ? kUrlItemData : kFolderItemData, form.title, form.url);
}

void OnNewGroup(HWND hwnd) { NewChild(hwnd, false); }
void OnNewUrl(HWND hwnd) { NewChild(hwnd, true); }

// The title of a folder line: the text up to its last backslash.
static std::string FolderTitleOf(const std::string& line)
{
    size_t mark = FindLast932(line, kFolderMark);
    return mark == std::string::npos || mark == 0 ? std::string(LineTitle(line)) : line.substr(1, mark - 1);
}

static void RenameItem(HTREEITEM item, const std::string& title)
{
    std::wstring text = Widen(title);
    TVITEMW change{};
    change.mask = TVIF_TEXT | TVIF_HANDLE;
    change.hItem = item;
    change.pszText = text.data();
    SendMessageW(g_ui.tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

void OnEditEntry(HWND hwnd)
{
    HTREEITEM item = SelectedItem();
    if (!item) return;
    LPARAM kind = ItemData(g_ui.tree, item);
    bool url = kind == kUrlItemData;
    long line = FindLineOfItem(item);
    if (line < 0) return;
    TitlePath path = TitlePathOfItem(item);
    const std::string& text = g_bookmarks.lines[static_cast<size_t>(line)];
    EntryForm form;
    form.title = url ? std::string(LineTitle(text)) : FolderTitleOf(text);
    form.url = url ? std::string(LineUrl(text)) : std::string();
    form.originalTitle = form.title;
    form.originalUrl = form.url;
    if (!(url ? AskUrlEntry(hwnd, form) : AskFolderTitle(hwnd, form))) return;
    item = FindEntryAgain(path, kind, &line);
    if (!item) return;
    HTREEITEM parent = NextItem(item, TVGN_PARENT);
    if (form.title != form.originalTitle && !MakeUniqueTitle(parent, form.title)) return ReportTitleWithoutRoom(hwnd);
    char depth = static_cast<char>(DepthCharOf(g_bookmarks.lines[static_cast<size_t>(line)]));
    ReplaceLine(g_bookmarks, static_cast<size_t>(line), url ? MakeUrlLine(depth, form.title, form.url) : MakeFolderLine(depth, form.title));
    RenameItem(item, form.title);
    if (g_set.sortFlg == 1) SortChildItems(parent);
}

static bool ConfirmDelete(HWND hwnd)
{
    if (g_set.askFlg != 1) return true;
    return ShowMessage(hwnd, LoadText(IDS_CONFIRM_DELETE), MB_YESNO) == IDYES;
}

void OnDeleteEntry(HWND hwnd)
{
    HTREEITEM item = SelectedItem();
    if (!item || FindLineOfItem(item) < 0) return;
    TitlePath path = TitlePathOfItem(item);
    LPARAM kind = ItemData(g_ui.tree, item);
    if (!ConfirmDelete(hwnd)) return;
    long line;
    item = FindEntryAgain(path, kind, &line);
    if (!item) return;
    LineRange range = EntryRange(g_bookmarks, static_cast<size_t>(line));   // a URL line has no subtree in a well-formed list
    bool gap = StopsAtGap(g_bookmarks, range);
    EraseLines(g_bookmarks, range.first, range.end);
    RemoveEntryItem(item, gap);
}

// Shows the tree as a rebuild makes it, with the item of `parentLine` (none for -1) selected.
static void RebuildSelecting(long parentLine)
{
    SelectItem(RebuildTree(parentLine < 0 ? 0xFFFFul : static_cast<unsigned long>(parentLine)));
}

void RemoveEntryItem(HTREEITEM item, bool stoppedAtGap)
{
    if (!stoppedAtGap) {
        SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
        return;
    }
    // The parent's line and those above it did not move.
    HTREEITEM parent = NextItem(item, TVGN_PARENT);
    RebuildSelecting(parent ? FindLineOfItem(parent) : -1);
}

void RemoveLevelItems(HTREEITEM parent, long parentLine, bool stoppedAtGap)
{
    if (!parent) {
        // Lines after a gap in the top level stay in the list and are shown differently now.
        RebuildSelecting(-1);
        return;
    }
    if (stoppedAtGap) {
        RebuildSelecting(parentLine);
        return;
    }
    DeleteChildItems(g_ui.tree, parent);
}

bool FindLevelOfItem(HTREEITEM item, HTREEITEM* parent, long* parentLine)
{
    if (FindLineOfItem(item) < 0) return false;
    *parent = NextItem(item, TVGN_PARENT);
    *parentLine = *parent ? FindLineOfItem(*parent) : kTopLevel;
    return !*parent || *parentLine >= 0;
}

// The lines of every entry on the level of `item` with their subtrees.
static bool LevelLines(HTREEITEM item, HTREEITEM* parent, long* parentLine, LineRange* range)
{
    if (!FindLevelOfItem(item, parent, parentLine)) return false;
    *range = LevelRange(g_bookmarks, *parentLine);
    return !range->empty();
}

void OnDeleteLevel(HWND hwnd)
{
    HTREEITEM item = SelectedItem();
    if (!item) return;
    HTREEITEM parent;
    long parentLine;
    LineRange range;
    if (!LevelLines(item, &parent, &parentLine, &range)) return;
    TitlePath path = TitlePathOfItem(item);
    if (!ConfirmDelete(hwnd)) return;
    if (!LevelLines(ItemAtTitlePath(path), &parent, &parentLine, &range)) return;
    bool gap = StopsAtGap(g_bookmarks, range);
    EraseLines(g_bookmarks, range.first, range.end);
    RemoveLevelItems(parent, parentLine, gap);
}
