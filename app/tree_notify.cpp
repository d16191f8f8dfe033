// Tree notifications and the two context menus.
#include "app/tree_notify.h"

#include <cstring>
#include "app/drop_target.h"

#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_item.h"

// The item under the pointer, with the hit flags.
static HTREEITEM ItemUnderPointer(UINT* flags, POINT* screen)
{
    GetCursorPos(screen);
    TVHITTESTINFO hit{};
    hit.pt = *screen;
    ScreenToClient(g_ui.tree, &hit.pt);
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    *flags = hit.flags;
    return item;
}

static void GreyByKind(HMENU popup, LPARAM kind)
{
    const UINT grey = MF_BYCOMMAND | MF_DISABLED | MF_GRAYED;
    if (LOWORD(kind) == kUrlItemData) {
        for (UINT command : {IDM_NEWGROUP, IDM_NEWURL, IDM_GETFROMBROWSER, IDM_PASTE}) EnableMenuItem(popup, command, grey);
    } else {
        EnableMenuItem(popup, IDM_OPEN, grey);
    }
}

// The menu of `item` (null: of the empty space) with its top left at `at`, on the screen.
static void ShowTreeMenu(HWND hwnd, HTREEITEM item, POINT at)
{
    HMENU menu = LoadMenuW(g_ui.inst, item ? L"POPUP_URL" : L"POPUP_ROOTURL");
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    if (item) GreyByKind(popup, ItemData(g_ui.tree, item));
    TrackPopupMenuEx(popup, TPM_RIGHTBUTTON, at.x, at.y, hwnd, nullptr);
    DestroyMenu(menu);
}

static void OnTreeRightClick(HWND hwnd)
{
    UINT flags = 0;
    POINT at{};
    HTREEITEM item = ItemUnderPointer(&flags, &at);
    if (item) SelectItem(item);
    ShowTreeMenu(hwnd, item, at);
}

void OnContextMenuKey(HWND hwnd)
{
    HTREEITEM item = SelectedItem();
    POINT at{};
    RECT r{};
    memcpy(&r, &item, sizeof item);   // the message takes the item in the rectangle
    if (item) SendMessageW(g_ui.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    if (item && SendMessageW(g_ui.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r))) at = {r.left, r.bottom};
    ClientToScreen(g_ui.tree, &at);
    ShowTreeMenu(hwnd, item, at);
}

// 1 when the double-click opened a URL entry (the tree then does nothing more), else 0.
static LRESULT OnTreeDoubleClick(HWND hwnd)
{
    UINT flags = 0;
    POINT at{};
    HTREEITEM item = ItemUnderPointer(&flags, &at);
    if (!item || (flags != TVHT_ONITEMICON && flags != TVHT_ONITEMLABEL)) return 0;
    if (ItemData(g_ui.tree, item) != kUrlItemData) return 0;
    PostMessageW(hwnd, WM_COMMAND, IDM_OPEN, 0);
    return 1;
}

LRESULT OnTreeNotify(HWND hwnd, NMHDR* header)
{
    if (header->idFrom != IDC_TREE) return 0;
    switch (header->code) {
    case TVN_KEYDOWN:
        if (reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey == VK_DELETE) PostMessageW(hwnd, WM_COMMAND, IDM_DELETE, 0);
        return 0;
    case NM_RCLICK:
        OnTreeRightClick(hwnd);
        return 0;
    case NM_DBLCLK:
        return OnTreeDoubleClick(hwnd);
    case TVN_BEGINDRAGW:
        OnTreeBeginDrag(*reinterpret_cast<NMTREEVIEWW*>(header));
        return 0;
    }
    return 0;
}

void OnMainButtonDown(HWND hwnd)
{
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void OnToggleExpand()
{
    SendMessageW(g_ui.tree, TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(SelectedItem()));
}
