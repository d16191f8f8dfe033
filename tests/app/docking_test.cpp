// Docking on the real 1024 x 768 test screen; the zone and rectangle rules are core tables (bar_test).
#include "app/docking.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tree/state.h"

namespace {

constexpr LONG kW = kScreenWidth, kH = kScreenHeight;

// A shown auto-hide bar reaches 2 below the taskbar's top.
RECT AutoHideRect(LONG left)
{
    APPBARDATA data{sizeof data, nullptr, 0, 0, {}, 0};
    SHAppBarMessage(ABM_GETTASKBARPOS, &data);
    return {left, 0, left + 200, kH - (data.rc.bottom - data.rc.top) + 2};
}
// The service refuses a second registration of the same window.
bool IsRegisteredBar(HWND hwnd)
{
    APPBARDATA probe{sizeof probe, hwnd, WM_APP, 0, {}, 0};
    if (!SHAppBarMessage(ABM_NEW, &probe)) return true;
    SHAppBarMessage(ABM_REMOVE, &probe);
    return false;
}
void Tick() { SendMessageW(g_ui.main, WM_TIMER, IDT_HIDE, 0); }

// A move with the pointer from `from` to `to`, proposed through WM_MOVING.
void Move(POINT from, POINT to)
{
    PointAt(from.x, from.y);
    SendMessageW(g_ui.main, WM_ENTERSIZEMOVE, 0, 0);
    RECT r = MainWindowRect();
    OffsetRect(&r, to.x - from.x, to.y - from.y);
    PointAt(to.x, to.y);
    SendMessageW(g_ui.main, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&r));
    SetWindowPos(g_ui.main, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(g_ui.main, WM_EXITSIZEMOVE, 0, 0);
}

using DockingTest = AppTest;
using Values = std::pair<const wchar_t*, DWORD>[];

// Dock left, float at the stored size, back on the screen, dock right, resize; the exit stores all.
TEST_F(DockingTest, DragsDockAndUndockAndTheExitStoresThePlaces)
{
    for (auto [name, value] : Values{{L"FloatMode", 1}, {L"AppBarMode", 0}, {L"HideMode", 0}, {L"Width", 300},
                                     {L"Height", 500}, {L"dt_width", 250}})
        SetSettingDword(name, value);
    PointAt(600, 300);
    Start();
    Move({100, 40}, {2, 300});
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 250, kH}));
    EXPECT_TRUE(IsRegisteredBar(g_ui.main));
    Move({50, 300}, {400, 300});
    EXPECT_EQ(MainWindowRect(), (RECT{390, 295, 690, 795}));
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    SetWindowPos(g_ui.main, nullptr, -500, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(g_ui.main, WM_DISPLAYCHANGE, 32, MAKELPARAM(kW, kH));
    EXPECT_EQ(MainWindowRect(), (RECT{0, 100, 300, 600}));
    Move({100, 300}, {kW - 1, 300});
    SendMessageW(g_ui.main, WM_ENTERSIZEMOVE, 0, 0);   // a resize by the frame
    SetWindowPos(g_ui.main, nullptr, 700, 0, kW - 700, kH, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(g_ui.main, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(MainWindowRect(), (RECT{700, 0, kW, kH}));
    RECT tree{}, client{}, host{};   // the children follow the window's size, the tree below the toolbar
    GetWindowRect(g_ui.tree, &tree);
    GetWindowRect(g_ui.toolbarHost, &host);
    EXPECT_TRUE(GetClientRect(g_ui.main, &client) && tree.right - tree.left == client.right && tree.top >= host.bottom);
    Exit();
    const std::pair<const wchar_t*, DWORD> stored[] = {{L"FloatMode", 0}, {L"AppBarMode", kEdgeRight}, {L"dt_width", 324},
                                                       {L"X", 0}, {L"Y", 100}, {L"Width", 300}, {L"Height", 500}};
    for (auto [name, value] : stored) EXPECT_EQ(StoredDword(name), value) << name;
}

// Hides at the first tick outside, to a strip; back under the pointer at the edge (left: at the tick).
// Then changes as the system delivers them (the display change posted) place a hidden bar again, shown.
TEST_F(DockingTest, AutoHideAndChangesThatPlaceTheBarAgain)
{
    // The test ticks the timer itself.
    for (auto [name, value] : Values{{L"FloatMode", 0}, {L"AppBarMode", kEdgeLeft}, {L"HideMode", 1},
                                     {L"HideTime", 3600000}})
        SetSettingDword(name, value);
    PointAt(600, 300);
    Start();
    EXPECT_TRUE(KillTimer(g_ui.main, IDT_HIDE)) << "the hide timer runs from the start";
    Tick();
    EXPECT_EQ(MainWindowRect().left, -4);
    SetCursorPos(0, 500);
    Tick();
    EXPECT_TRUE(PumpUntil([] { return !g_dock.barHidden; }, 3000));
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(MainWindowRect(), AutoHideRect(kW - 200));
    PointAt(600, 300);
    Tick();
    Tick();
    EXPECT_EQ(MainWindowRect().left, kW - 1);
    SetCursorPos(kW - 1, 300);
    EXPECT_TRUE(PumpUntil([] { return !g_dock.barHidden; }, 3000));
    PointAt(600, 300);   // the ticks can hide the bar again
    const struct { UINT msg; WPARAM wp; bool hidden, places; } changes[] = {
        {WM_APPBARNOTIFY, ABN_POSCHANGED, false, true}, {WM_COMMAND, IDM_REDOCK, false, true},
        {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false, false}, {WM_DISPLAYCHANGE, 32, true, true},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, true, true}};
    for (const auto& change : changes) {
        for (int i = 0; change.hidden && i < 2; ++i) Tick();
        SetWindowPos(g_ui.main, nullptr, 1500, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (change.hidden) g_dock.taskbar = {TaskbarEdge::Top, 100};
        if (change.msg == WM_DISPLAYCHANGE) PostMessageW(g_ui.main, change.msg, change.wp, MAKELPARAM(kW, kH));
        else SendMessageW(g_ui.main, change.msg, change.wp, 0);
        PumpMessages();
        EXPECT_EQ(MainWindowRect().left, change.places ? kW - 200 : 1500) << change.msg << " " << change.wp;
        EXPECT_TRUE(!change.places || (MainWindowRect() == AutoHideRect(kW - 200) && !g_dock.barHidden));
    }
}

}  // namespace
