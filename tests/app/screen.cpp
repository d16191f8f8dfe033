// Window and desktop-bar helpers of the docking tests.
#include "tests/app/screen.h"

#include <shellapi.h>

#include "res/resource.h"
#include "tree/state.h"

RECT MainWindowRect()
{
    RECT rect{};
    GetWindowRect(g_ui.main, &rect);
    return rect;
}

LONG AutoHideBottom()
{
    APPBARDATA data{sizeof data};
    SHAppBarMessage(ABM_GETTASKBARPOS, &data);
    return kScreenHeight - (data.rc.bottom - data.rc.top) + 2;
}

bool IsRegisteredBar(HWND hwnd)
{
    APPBARDATA probe{sizeof probe, hwnd, WM_APP};
    if (!SHAppBarMessage(ABM_NEW, &probe)) return true;
    SHAppBarMessage(ABM_REMOVE, &probe);
    return false;
}

void TickHideTimer() { SendMessageW(g_ui.main, WM_TIMER, IDT_HIDE, 0); }
