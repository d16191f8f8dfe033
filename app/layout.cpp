// Layout of the main window's children.
#include "app/layout.h"

#include <windows.h>
#include <shellapi.h>

#include "app/docking.h"
#include "tree/state.h"

static constexpr int kToolbarHostWidth = 182;
static constexpr int kToolbarHostHeight = 29;
static constexpr int kTreeGap = 4;
static constexpr int kAutoHideTaskbarAllowance = 30;
static constexpr int kNarrowestLaidOut = 30;

static int TaskbarAllowance()
{
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = FindWindowW(L"Shell_TrayWnd", nullptr);
    UINT state = static_cast<UINT>(SHAppBarMessage(ABM_GETSTATE, &data));
    return (state & ABS_AUTOHIDE) ? kAutoHideTaskbarAllowance : 0;
}

void LayoutChildren()
{
    int treeTop = 0;
    if (g_ui.toolbarHost) {
        SetWindowPos(g_ui.toolbarHost, nullptr, 0, 0, kToolbarHostWidth, kToolbarHostHeight, 0);
        RECT host{};
        GetWindowRect(g_ui.toolbarHost, &host);
        treeTop = (host.bottom - host.top) + kTreeGap;
    }
    if (!g_ui.tree) return;
    RECT client{};
    GetClientRect(g_ui.main, &client);
    SetWindowPos(g_ui.tree, nullptr, 0, treeTop, client.right, client.bottom - treeTop - TaskbarAllowance(), 0);
}

void OnSize()
{
    // The hidden strip's size and the shapes a drag shows are not sizes of the bar.
    if (IsBarHidden()) return;
    bool moving = IsMoveInProgress();
    if (g_ui.widthTracking && !moving) {
        RECT window{};
        GetWindowRect(g_ui.main, &window);
        g_set.dtWidth = static_cast<DWORD>(window.right - window.left);
    }
    if (static_cast<LONG>(g_set.dtWidth) < kNarrowestLaidOut) return;
    LayoutChildren();
    if (g_set.floatMode == 0 && !moving) PositionBar(g_set.appBarMode, g_set.dtWidth);
}
