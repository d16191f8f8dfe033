// What the tree and the main window's own area do with keys and clicks: the Delete key, the
// context menus, the double-click on a URL entry, the move started by a press on the window.
#pragma once
#include <windows.h>
#include <commctrl.h>

// WM_NOTIFY from the tree (control 87); other senders are answered with 0.
LRESULT OnTreeNotify(HWND hwnd, NMHDR* header);

// IDM_CONTEXTMENU: the selected item's context menu at the item (scrolled into view), or with
// nothing selected the menu of the empty space at the tree's corner.
void OnContextMenuKey(HWND hwnd);

// A press on the main window's own area starts moving the window, as a drag on a caption does.
void OnMainButtonDown(HWND hwnd);

// IDM_TOGGLEEXPAND: expands or collapses the selected item.
void OnToggleExpand();
