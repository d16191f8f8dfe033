// Commands that create, edit and delete one entry (or one level of entries). Each changes
// the bookmark list and patches the tree in the same step.
#pragma once
#include <cstddef>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "tree/tree_locate.h"

void OnNewBook(HWND hwnd);
void OnNewGroup(HWND hwnd);
void OnNewUrl(HWND hwnd);
void OnEditEntry(HWND hwnd);
void OnDeleteEntry(HWND hwnd);
void OnDeleteLevel(HWND hwnd);

// Shared with the other commands that add lines: false, with the user told, when `more`
// lines would take the list past its bound.
bool CheckRoomForLines(HWND hwnd, size_t more);

// Tells the user that a title taken by a sibling has no room left for a "(n)" suffix.
void ReportTitleWithoutRoom(HWND hwnd);
// Tells the user that the list has no room for what a command would add.
void ReportListFull(HWND hwnd);

// Why a URL that MakeUrlStorable refuses cannot be stored; with the number of URLs a capture
// or an import left out for it in front when `leftOut` is not 0.
std::wstring UnstorableUrlText(size_t leftOut);

// Takes the items of lines that have just left the list out of the tree: `item` with its
// descendants, or every child of `parent` (the top level for null) whose line is
// `parentLine`. When the lines stopped at a gap (StopsAtGap), the lines after it were shown
// among those items and stay in the list: the tree is rebuilt instead, the parent selected.
void RemoveEntryItem(HTREEITEM item, bool stoppedAtGap);
void RemoveLevelItems(HTREEITEM parent, long parentLine, bool stoppedAtGap);


// The level of `item`: its parent (null at the top level) and the parent's line (kTopLevel
// at the top level). False when the item's line or its parent's line is not found.
bool FindLevelOfItem(HTREEITEM item, HTREEITEM* parent, long* parentLine);
