// Reading tree items: their full text and their kind.
#pragma once
#include <string>

#include <windows.h>
#include <commctrl.h>

// Item data of a URL entry's item; folders carry 0.
constexpr LPARAM kUrlItemData = 1;
constexpr LPARAM kFolderItemData = 0;

// The whole text of the item, however long.
std::wstring ItemText(HWND tree, HTREEITEM item);

// The item's data: kUrlItemData or kFolderItemData.
LPARAM ItemData(HWND tree, HTREEITEM item);

// The item in `relation` (TVGN_CARET, TVGN_ROOT, TVGN_PARENT, TVGN_CHILD, TVGN_NEXT) to `item`,
// or null.
HTREEITEM RelatedItem(HWND tree, HTREEITEM item, UINT relation);
