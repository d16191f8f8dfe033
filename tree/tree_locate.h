// Mapping between tree items and list lines by the path of titles from the top level, and
// keeping the selection across runs as a line index.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>
#include <commctrl.h>

// The titles of the item and its ancestors, the top level first (empty for a null item). A
// command keeps this, not the item, across a modal loop: a reload or a delete handled inside the
// loop may rebuild the tree and give the same handle to another item.
using TitlePath = std::vector<std::wstring>;
TitlePath TitlePathOfItem(HTREEITEM item);

// The item that `path` leads to from the top level (the first child of each title), or null.
HTREEITEM ItemAtTitlePath(const TitlePath& path);

// The bookmark list index of the item's line, or -1 (also for a null item). Each title of the
// item's path is looked for one depth deeper, after the line found for its parent.
long FindLineOfItem(HTREEITEM item);

// Finds the item of line `index` and makes it the caret item. Returns it, or null with the
// selection unchanged when the line has no item (no such line, a line not shown, a line whose
// ancestors are missing from the list).
HTREEITEM SelectItemOfLine(long index);

// The first child of `parent` (null: the top level) whose text equals `title`; when `select`
// is true and one is found, it becomes the caret item. Null when none matches.
HTREEITEM FindChildByTitle(HTREEITEM parent, std::wstring_view title, bool select);

// Stores the caret item's line index as "CurSelect" (65535 when there is none).
void SaveCurSelect();
