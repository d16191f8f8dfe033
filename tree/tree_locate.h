// Mapping between tree items and list lines by the path of titles from the top level, the
// selection as the commands see it (with SelectedItem and SelectItem of tree_item.h), and
// keeping the selection across runs as a line index.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "tree/tree_item.h"

// The titles of the item and its ancestors, the top level first (empty for a null item). A
// command keeps this, not the item, across a modal loop: a reload or a delete handled inside the
// loop may rebuild the tree and give the same handle to another item.
using TitlePath = std::vector<std::wstring>;
TitlePath TitlePathOfItem(HTREEITEM item);

// The item that `path` leads to from the top level (the first child of each title), or null.
HTREEITEM ItemAtTitlePath(const TitlePath& path);

// The entry at `path` after a modal loop, and its line; null when it is gone or no longer of
// `kind` (kUrlItemData or kFolderItemData).
HTREEITEM FindEntryAgain(const TitlePath& path, LPARAM kind, long* line);

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

// The caret item and its line; false when there is none or its line is not found.
bool SelectedLine(HTREEITEM* item, long* line);

// The same for a folder: false also when the caret item is a URL entry.
bool SelectedFolder(HTREEITEM* folder, long* line);

// The URL of the caret item's line, or empty when the caret is on no URL entry.
std::string SelectedUrl();

// Adds an entry of `kind` (kUrlItemData with `url`, or kFolderItemData) as the first line under
// the folder `folder` of line `folderLine`, shows it as the folder's first child and selects it.
void AddLineUnderFolder(HTREEITEM folder, long folderLine, LPARAM kind, const std::string& title,
                        const std::string& url = std::string());

// Stores the caret item's line index as "CurSelect" (65535 when there is none).
void SaveCurSelect();
