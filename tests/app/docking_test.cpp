// Docking on the real 1024 x 768 test screen; the zone and rectangle rules are core tables (bar_test).
#include "app/docking.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tree/state.h"

namespace {

constexpr LONG kW = kScreenWidth, kH = kScreenHeight;

// A shown auto-hide bar reaches 2 below the taskbar's top.
RECT AutoHideRect(LONG left)
{
    APPBARDATA data{};
    data.cbSize = sizeof data;
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
void Place(LONG left) { SetWindowPos(g_ui.main, nullptr, left, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }

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
    PumpMessages();
}

class DockingTest : public AppTest {
protected:
    void StartAs(DWORD floatMode, DWORD edge, DWORD hideMode)
    {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), kW);
        WriteFileBytes(L"list.dat", "0Work\\\r\n1Mail,http://m\r\n");
        const std::pair<const wchar_t*, DWORD> values[] = {
            {L"FloatMode", floatMode}, {L"AppBarMode", edge}, {L"HideMode", hideMode}, {L"HideTime", 3600000}};
        for (auto [name, value] : values) SetSettingDword(name, value);   // the tests tick the timer themselves
        PointAt(600, 300);
        Start();
    }
};

// Dock left, float at the stored size, back on the screen, dock right, resize; the exit stores all.
TEST_F(DockingTest, DragsDockAndUndockAndTheExitStoresThePlaces)
{
    SetSettingDword(L"Width", 300);
    SetSettingDword(L"Height", 500);
    StartAs(1, 0, 0);
    Move({100, 40}, {2, 300});
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 200, kH}));
    EXPECT_TRUE(IsRegisteredBar(g_ui.main));
    Move({50, 300}, {400, 300});
    EXPECT_EQ(g_set.floatMode, 1u);
    EXPECT_EQ(GetWindowLongW(g_ui.main, GWL_STYLE) & ~WS_VISIBLE, g_ui.savedStyle & ~WS_VISIBLE);
    EXPECT_EQ(MainWindowRect(), (RECT{390, 295, 690, 795}));
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    Place(-500);
    SendMessageW(g_ui.main, WM_DISPLAYCHANGE, 32, MAKELPARAM(kW, kH));
    EXPECT_EQ(MainWindowRect(), (RECT{0, 100, 300, 600}));
    Move({100, 300}, {kW - 1, 300});
    SendMessageW(g_ui.main, WM_ENTERSIZEMOVE, 0, 0);   // a resize by the frame
    SetWindowPos(g_ui.main, nullptr, 700, 0, kW - 700, kH, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(g_ui.main, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(MainWindowRect(), (RECT{700, 0, kW, kH}));
    HWND main = g_ui.main;
    Exit();
    EXPECT_FALSE(IsRegisteredBar(main));
    const std::pair<const wchar_t*, DWORD> stored[] = {{L"FloatMode", 0}, {L"AppBarMode", kEdgeRight}, {L"dt_width", 324},
                                                       {L"X", 0}, {L"Y", 100}, {L"Width", 300}, {L"Height", 500}};
    for (auto [name, value] : stored) EXPECT_EQ(StoredDword(name), value) << name;
}

// Hides at the first tick outside; back under the pointer at the edge (left: at the tick).
TEST_F(DockingTest, AutoHideHidesToAStripAndComesBackUnderThePointer)
{
    const struct { DWORD edge; LONG strip; POINT back; } rows[] = {{kEdgeLeft, -4, {0, 500}},
                                                                    {kEdgeRight, kW - 1, {kW - 1, 300}}};
    for (const auto& row : rows) {
        StartAs(0, row.edge, 1);
        EXPECT_FALSE(IsRegisteredBar(g_ui.main));
        Tick();
        ASSERT_EQ(MainWindowRect().left, row.strip);
        EXPECT_LE(MainWindowRect().right, row.strip + 6) << "the platform may widen the strip, not more";
        SetCursorPos(row.back.x, row.back.y);
        if (row.edge == kEdgeLeft) Tick();
        EXPECT_TRUE(PumpUntil([] { return !g_dock.barHidden; }, 3000));
        EXPECT_EQ(MainWindowRect(), AutoHideRect(row.edge == kEdgeLeft ? 0 : kW - 200));
        PointAt(600, 300);
        Tick();
        EXPECT_FALSE(g_dock.barHidden);
        Tick();
        EXPECT_TRUE(g_dock.barHidden);
        Exit();
        EXPECT_EQ(StoredDword(L"dt_width"), 200u);   // never the strip's width
    }
}

// Changes as the system delivers them (the display change posted) place a hidden bar again, shown.
TEST_F(DockingTest, CommandsNotificationsScreenChangesAndSettingsPlaceTheBarAgain)
{
    StartAs(0, kEdgeRight, 1);
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(MainWindowRect(), AutoHideRect(0));
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    const struct { UINT msg; WPARAM wp; bool hidden, places; } changes[] = {
        {WM_APPBARNOTIFY, ABN_STATECHANGE, false, false}, {WM_APPBARNOTIFY, ABN_POSCHANGED, false, true},
        {WM_COMMAND, IDM_REDOCK, false, true}, {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, false, false},
        {WM_DISPLAYCHANGE, 32, true, true}, {WM_SETTINGCHANGE, SPI_SETWORKAREA, true, true}};
    for (const auto& change : changes) {
        for (int i = 0; change.hidden && i < 2; ++i) Tick();
        Place(1500);
        if (change.hidden) g_dock.taskbar = {TaskbarEdge::Top, 100};
        if (change.msg == WM_DISPLAYCHANGE) PostMessageW(g_ui.main, change.msg, change.wp, MAKELPARAM(kW, kH));
        else SendMessageW(g_ui.main, change.msg, change.wp, 0);
        PumpMessages();
        EXPECT_EQ(MainWindowRect().left, change.places ? kW - 200 : 1500) << change.msg << " " << change.wp;
        EXPECT_TRUE(!change.places || (MainWindowRect() == AutoHideRect(kW - 200) && !g_dock.barHidden));
    }
    ScriptDialogs({DialogStep().Text(IDC_CONFIG_HIDETIME, L"-5").Check(IDC_CONFIG_HIDEMODE, false)});
    RunCommand(IDM_CONFIG);
    EXPECT_EQ(MainWindowRect(), (RECT{kW - 200, 0, kW, kH}));
    EXPECT_TRUE(IsRegisteredBar(g_ui.main));
    EXPECT_EQ(StoredDword(L"HideTime"), static_cast<DWORD>(-5));
}

}  // namespace
