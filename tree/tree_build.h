// The bookmark tree view: creating it with its images, inserting one item of each kind, and
// rebuilding the whole tree from the bookmark list.
#pragma once
#include <string_view>

#include <windows.h>
#include <commctrl.h>

// Creates the tree view (control 87) over the main window's client area and attaches the
// image list. Silent when either cannot be made.
void CreateBookmarkTree();

// Builds the image list from the six bitmaps; a bitmap that cannot be loaded is skipped and
// its image index stays 0.
void CreateTreeImages();

// At exit: empties the tree, and destroys the image list.
void DeleteTreeItems();
void DestroyTreeImages();

// Insert one item under `parent` (TVI_ROOT for the top level) with the title's CP932 bytes.
// Sorted among its siblings by CompareItemTitles when SortFlg is 1, else last or first.
// Returns the item or null.
HTREEITEM InsertBookItem(HTREEITEM parent, std::string_view title);
HTREEITEM InsertGroupItem(HTREEITEM parent, std::string_view title);
HTREEITEM InsertGroupItemFirst(HTREEITEM parent, std::string_view title);
HTREEITEM InsertUrlItem(HTREEITEM parent, std::string_view title);
HTREEITEM InsertUrlItemFirst(HTREEITEM parent, std::string_view title);

// Empties the tree and inserts one item per shown line of the bookmark list, in list order
// or sorted by title among siblings when SortFlg is 1. Returns the item made for line `index`
// (its low 16 bits), or null when no item was made for it.
HTREEITEM RebuildTree(unsigned long index);

// Shows lines [first, end) of the bookmark list, just inserted there as entries under the item
// `parent` (null: the top level), without rebuilding the rest: their items go after `after` (an
// item, TVI_FIRST or TVI_LAST) in list order, or in their sorted place. A list whose nesting a
// patch could misread (a line without a shown depth, a jump of more than one level) is rebuilt
// instead. Returns the item of line `first`.
HTREEITEM ShowInsertedLines(HTREEITEM parent, HTREEITEM after, size_t first, size_t end);

// Puts the children of `parent` (the top level for null) in the sorted order a rebuild gives.
void SortChildItems(HTREEITEM parent);

// Sibling order of a sorted tree, for the rebuild, the sorted inserts and SortChildItems: the
// system's collation, and the code units where it weighs two texts alike. Equal only for equal
// texts.
int CompareItemTitles(const wchar_t* a, const wchar_t* b);
