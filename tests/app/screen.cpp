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
