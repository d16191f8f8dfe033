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

// The same in the bookmark tree.
HTREEITEM NextItem(HTREEITEM item, UINT relation);

// True when `item` is `ancestor` or lies below it in the bookmark tree.
bool IsItemWithin(HTREEITEM item, HTREEITEM ancestor);

// The caret item of the bookmark tree, or null.
HTREEITEM SelectedItem();

// Makes `item` the bookmark tree's caret item. A null item is asked for all the same: the
// control then keeps or clears the caret as it does for such a request.
void SelectItem(HTREEITEM item);

// Deletes every child of `parent` (the top level for null). A caret among them moves to the
// parent first, so that the control does not walk the selection through each next sibling.
void DeleteChildItems(HWND tree, HTREEITEM parent);
