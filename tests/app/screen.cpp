// Pointer, window and desktop-bar helpers of the docking tests.
#include "tests/app/screen.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/app/harness.h"
#include "tree/state.h"

RECT MainWindowRect()
{
    RECT rect{};
    GetWindowRect(g_ui.main, &rect);
    return rect;
}

// Under Wine the display reports each warp back a little later; a stale report would move
// the pointer back in the middle of a test, so this waits until the position holds.
void PointAt(LONG x, LONG y)
{
    SetCursorPos(x, y);
    POINT at{};
    for (int i = 0, steady = 0; i < 200 && steady < 4; ++i) {
        Sleep(2);
        PumpMessages();
        GetCursorPos(&at);
        if (at.x == x && at.y == y) {
            ++steady;
        } else {
            steady = 0;
            SetCursorPos(x, y);
        }
    }
    EXPECT_EQ(at.x, x);
    EXPECT_EQ(at.y, y);
}


LONG TaskbarHeight()
{
    APPBARDATA data{};
    data.cbSize = sizeof data;
    SHAppBarMessage(ABM_GETTASKBARPOS, &data);
    return data.rc.bottom - data.rc.top;
}

LONG AutoHideBottom() { return kScreenHeight - TaskbarHeight() + 2; }

bool IsRegisteredBar(HWND hwnd)
{
    APPBARDATA probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = hwnd;
    probe.uCallbackMessage = WM_APP;
    if (!SHAppBarMessage(ABM_NEW, &probe)) return true;
    SHAppBarMessage(ABM_REMOVE, &probe);
    return false;
}

void TickHideTimer()
{
    SendMessageW(g_ui.main, WM_TIMER, IDT_HIDE, 0);
}
