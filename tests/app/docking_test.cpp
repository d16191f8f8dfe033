// Docking on the real screen: drags through the move loop's messages with real pointer
// positions, the auto-hide timer, the desktop-bar service, the settings dialog and the screen
// changes that place the bar again. The zone borders and held rectangles are core rules
// (tests/core); here the 1024 x 768 test screen and the taskbar the service reports.
#include <optional>

#include "app/docking.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/screen.h"
#include "tree/state.h"

namespace {

constexpr LONG kW = kScreenWidth, kH = kScreenHeight, kAuto = 0;   // bottom kAuto: AutoHideBottom()
RECT Placed(RECT r) { return {r.left, r.top, r.right, r.bottom == kAuto ? AutoHideBottom() : r.bottom}; }
RECT Rect(const BarRect& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT StoredFloatRect()
{
    LONG x = static_cast<LONG>(StoredDword(L"X")), y = static_cast<LONG>(StoredDword(L"Y"));
    return {x, y, x + static_cast<LONG>(StoredDword(L"Width")), y + static_cast<LONG>(StoredDword(L"Height"))};
}
bool IsFloatingStyle()
{
    return ((GetWindowLongW(g_ui.main, GWL_STYLE) ^ g_ui.savedStyle) & ~WS_VISIBLE) == 0;   // as created
}
void Place(LONG left) { SetWindowPos(g_ui.main, nullptr, left, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }

// A move from the pointer at `from` to `to`: proposed with the pointer (WM_MOVING), or a resize
// to `frame` (sizes only).
struct Drag { POINT from, to; std::optional<RECT> frame{}; };
struct DockRow {
    const char* name;
    DWORD floatMode, edge, hideMode;   // at the start
    bool storedSize;                   // Width 300, Height 500 stored
    std::vector<Drag> drags;
    RECT rect;
    bool registered;
    DWORD floatModeAfter;
    std::optional<RECT> storedFloat{};   // X, Y, Width, Height after the drags
    DWORD widthAtExit = 200;           // dt_width
};
void PrintTo(const DockRow& row, std::ostream* out) { *out << row.name; }

const DockRow kRows[] = {
    {"FloatingDraggedIntoTheLeftZoneDocks", 1, 0, 1, false, {{{100, 40}, {2, 300}}}, {0, 0, 200, kAuto}, false, 0,
     RECT{20, 20, 220, 620}},
    {"DockedDraggedAwayFloatsAtTheStoredSizeThenDocksRight", 0, kEdgeLeft, 0, true,
     {{{50, 300}, {400, 300}}, {{500, 300}, {kW - 1, 300}}}, {kW - 200, 0, kW, kH}, true, 0, RECT{390, 295, 690, 795}},
    {"DockedWithoutStoredSizeFloatsAtTheDefaultSize", 0, kEdgeLeft, 1, false, {{{50, 300}, {400, 300}}},
     {390, 295, 590, 895}, false, 1, RECT{390, 295, 390, 295}},
    {"LeftBarResizedByItsFrameStaysDocked", 0, kEdgeLeft, 0, false, {{{199, 300}, {249, 300}, RECT{0, 0, 250, kH}}},
     {0, 0, 250, kH}, true, 0, std::nullopt, 250},
    {"FloatingResizedIntoTheLeftZoneDocks", 1, 0, 1, false, {{{20, 300}, {1, 300}, RECT{1, 20, 220, 620}}},
     {0, 0, 219, kAuto}, false, 0, std::nullopt, 219},
    {"RightBarClickedStaysDocked", 0, kEdgeRight, 1, false, {{{900, 300}, {900, 300}}}, {kW - 200, 0, kW, kAuto},
     false, 0},
    {"RightBarResizedByItsFrameStaysDocked", 0, kEdgeRight, 1, false,
     {{{kW - 200, 300}, {700, 300}, RECT{700, 0, kW, kAuto}}}, {700, 0, kW, kAuto}, false, 0, std::nullopt, 324},
    {"HideModeTwoStandsAsForAutoHideButNeverHides", 0, kEdgeLeft, 2, false, {}, {0, 0, 200, kAuto}, false, 0},
};

class DockingTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), kW);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), kH);
        WriteFileBytes(L"list.dat", "0Work\\\r\n1Mail,http://m\r\n");
        SetSettingDword(L"HideTime", 3600000);   // the tests tick the timer themselves
        PointAt(600, 300);
    }
    void StartAs(DWORD floatMode, DWORD edge, DWORD hideMode)
    {
        SetSettingDword(L"FloatMode", floatMode);
        SetSettingDword(L"AppBarMode", edge);
        SetSettingDword(L"HideMode", hideMode);
        Start();
    }
    static void Move(const Drag& drag)
    {
        PointAt(drag.from.x, drag.from.y);
        SendMessageW(g_ui.main, WM_ENTERSIZEMOVE, 0, 0);
        if (!drag.frame) PointAt(drag.to.x, drag.to.y);
        RECT r = drag.frame.value_or(MainWindowRect());
        if (!drag.frame && (drag.to.x != drag.from.x || drag.to.y != drag.from.y)) {
            OffsetRect(&r, drag.to.x - drag.from.x, drag.to.y - drag.from.y);
            EXPECT_EQ(SendMessageW(g_ui.main, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&r)), 1);
        }
        SetWindowPos(g_ui.main, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        PointAt(drag.to.x, drag.to.y);
        SendMessageW(g_ui.main, WM_EXITSIZEMOVE, 0, 0);
        PumpMessages();
    }
    static void RunConfig(const wchar_t* hideTime, bool autoHide)
    {
        DialogStep step;
        step.texts[IDC_CONFIG_HIDETIME] = hideTime;
        step.checks[IDC_CONFIG_HIDEMODE] = autoHide;
        ScriptDialogs({step});
        RunCommand(IDM_CONFIG);
    }
};

class DockRows : public DockingTest, public ::testing::WithParamInterface<DockRow> {};

TEST_P(DockRows, Row)
{
    const DockRow& row = GetParam();
    for (auto [name, value] : {std::pair{L"Width", 300}, {L"Height", 500}})
        if (row.storedSize) SetSettingDword(name, value);
    StartAs(row.floatMode, row.edge, row.hideMode);
    for (const Drag& drag : row.drags) Move(drag);
    // A docked bar stays shown with the pointer on it, or anywhere under hide mode 2.
    for (int i = 0; row.floatModeAfter == 0 && i < 3; ++i) TickHideTimer();
    EXPECT_EQ(g_set.floatMode, row.floatModeAfter);
    EXPECT_EQ(IsFloatingStyle(), row.floatModeAfter == 1);
    EXPECT_EQ(MainWindowRect(), Placed(row.rect));
    EXPECT_EQ(IsRegisteredBar(g_ui.main), row.registered);
    EXPECT_EQ(row.storedFloat ? StoredFloatRect() : RECT{}, row.storedFloat.value_or(RECT{}));
    HWND main = g_ui.main;
    Exit();
    EXPECT_FALSE(IsRegisteredBar(main));   // the exit takes the bar out of the service
    EXPECT_EQ(StoredDword(L"FloatMode"), row.floatModeAfter);
    EXPECT_EQ(StoredDword(L"dt_width"), row.widthAtExit);
    if (row.floatModeAfter == 0) {   // a docked exit leaves the floating rectangle alone
        EXPECT_EQ(StoredDword(L"AppBarMode"), row.rect.left == 0 ? kEdgeLeft : kEdgeRight);
        EXPECT_EQ(row.storedFloat ? StoredFloatRect() : RECT{}, row.storedFloat.value_or(RECT{}));
    }
}

INSTANTIATE_TEST_SUITE_P(Docking, DockRows, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DockingTest, AutoHideHidesToAStripAndComesBackFromTheScreenEdge)
{
    StartAs(0, kEdgeLeft, 1);
    EXPECT_EQ(Rect(g_dock.hiddenRect), (RECT{-4, 0, -2, AutoHideBottom()}));
    TickHideTimer();   // the first tick outside after start-up hides at once
    EXPECT_EQ(MainWindowRect().left, -4);
    EXPECT_LE(MainWindowRect().right, 2) << "the platform may widen the strip, not more";
    SetCursorPos(0, 500);   // only the tick sees the pointer: the strip lies off the screen
    TickHideTimer();
    EXPECT_EQ(MainWindowRect(), Placed({0, 0, 200, kAuto}));
    EXPECT_EQ(GetFocus(), g_ui.main);
    PointAt(600, 300);
    TickHideTimer();
    EXPECT_FALSE(g_dock.barHidden) << "after the first time, the second tick outside hides";
    TickHideTimer();
    EXPECT_TRUE(g_dock.barHidden);
    Exit();
    EXPECT_EQ(StoredDword(L"dt_width"), 200u);   // never the strip's width
}

TEST_F(DockingTest, RightBarHidesAcrossTheEdgeAndComesBackUnderThePointer)
{
    StartAs(0, kEdgeRight, 1);
    EXPECT_EQ(Rect(g_dock.hiddenRect), (RECT{kW - 1, 0, kW + 1, AutoHideBottom()}));
    TickHideTimer();
    PointAt(kW - 100, 300);   // where the bar was: nothing
    TickHideTimer();
    ASSERT_EQ(MainWindowRect().left, kW - 1);
    SetCursorPos(kW - 1, 300);   // over the strip: the window hears of it, no tick needed
    EXPECT_TRUE(PumpUntil([] { return !g_dock.barHidden; }, 3000));
    EXPECT_EQ(MainWindowRect(), Placed({kW - 200, 0, kW, kAuto}));
}

TEST_F(DockingTest, ServiceKeepsTheBarBesideAnotherBarAndMovesItWhenThatOneGoes)
{
    HWND other = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 150, kH, nullptr, nullptr, nullptr,
                                 nullptr);
    APPBARDATA bar{sizeof bar, other, WM_APP, ABE_LEFT, {0, 0, 150, kH}, 0};
    ASSERT_TRUE(SHAppBarMessage(ABM_NEW, &bar));
    SHAppBarMessage(ABM_SETPOS, &bar);
    StartAs(0, kEdgeLeft, 0);
    EXPECT_EQ(MainWindowRect(), (RECT{150, 0, 350, kH}));
    SHAppBarMessage(ABM_REMOVE, &bar);
    DestroyWindow(other);
    EXPECT_TRUE(PumpUntil([] { return MainWindowRect() == RECT{0, 0, 200, kH}; }, 3000));
}

TEST_F(DockingTest, CommandsNotificationsAndScreenChangesPlaceTheBarAgain)
{
    StartAs(0, kEdgeRight, 1);
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(g_set.appBarMode, kEdgeLeft);
    EXPECT_EQ(MainWindowRect(), Placed({0, 0, 200, kAuto}));
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    const RECT right = Placed({kW - 200, 0, kW, kAuto});
    // As the system delivers them: the display change posted, the others sent. The strip of a
    // hidden bar left where the old screen had it, and a taskbar measured there.
    const struct { UINT msg; WPARAM wp; LPARAM lp; bool hidden, places; } changes[] = {
        {WM_APPBARNOTIFY, ABN_STATECHANGE, 0, false, false}, {WM_APPBARNOTIFY, ABN_POSCHANGED, 0, false, true},
        {WM_COMMAND, IDM_REDOCK, 0, false, true}, {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0, false, false},
        {WM_DISPLAYCHANGE, 32, MAKELPARAM(kW, kH), true, true}, {WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, true, true}};
    for (const auto& change : changes) {
        for (int i = 0; change.hidden && i < 2; ++i) TickHideTimer();
        EXPECT_EQ(g_dock.barHidden, change.hidden);
        Place(1500);
        if (change.hidden) g_dock.taskbar = {TaskbarEdge::Top, 100};
        if (change.msg == WM_DISPLAYCHANGE) PostMessageW(g_ui.main, change.msg, change.wp, change.lp);
        else SendMessageW(g_ui.main, change.msg, change.wp, change.lp);
        PumpMessages();
        EXPECT_EQ(MainWindowRect().left, change.places ? right.left : 1500) << change.msg << " " << change.wp;
        EXPECT_TRUE(!change.places || (MainWindowRect() == right && !g_dock.barHidden));
    }
}

// A floating window only comes back when it cannot be taken hold of; switching the edge moves
// it without docking it (no taskbar measured yet: full height).
TEST_F(DockingTest, ScreenChangeAndSwitchEdgeLeaveAFloatingWindowFloating)
{
    Start();
    for (auto [left, after] : {std::pair{-100L, -100L}, {-500L, 0L}}) {
        Place(left);
        SendMessageW(g_ui.main, WM_DISPLAYCHANGE, 32, MAKELPARAM(kW, kH));
        EXPECT_EQ(MainWindowRect(), (RECT{after, 100, after + 200, 700})) << left;
    }
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(g_set.floatMode, 1u);
    EXPECT_TRUE(IsFloatingStyle());
    EXPECT_EQ(MainWindowRect(), (RECT{kW - 200, 0, kW, kH}));
}

// Auto-hide turned off while hidden brings the bar back at its width, registered; turned on, it
// hides at the first tick outside; -5 is stored as typed and the timer runs at its shortest.
TEST_F(DockingTest, SettingsDialogChangesTheDockedBarAtOnce)
{
    StartAs(0, kEdgeLeft, 1);
    TickHideTimer();
    ASSERT_TRUE(g_dock.barHidden);
    RunConfig(L"3600000", false);
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 200, kH}));
    EXPECT_TRUE(IsRegisteredBar(g_ui.main));
    TickHideTimer();
    TickHideTimer();
    RunConfig(L"3600000", true);
    EXPECT_EQ(MainWindowRect(), Placed({0, 0, 200, kAuto}));
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    TickHideTimer();
    EXPECT_TRUE(g_dock.barHidden);
    PointAt(0, 300);
    TickHideTimer();
    PointAt(600, 300);
    g_dock.hideAtOnce = false;   // two real ticks are needed
    RunConfig(L"-5", true);
    EXPECT_EQ(StoredDword(L"HideTime"), static_cast<DWORD>(-5));
    EXPECT_TRUE(PumpUntil([] { return g_dock.barHidden; }, 3000));
    Exit();
    EXPECT_EQ(StoredDword(L"dt_width"), 200u);
}

}  // namespace
