// Docking on the real screen: drags through the move loop's messages with real pointer positions,
// the auto-hide timer, the desktop-bar service, the settings dialog and the screen changes. The
// zone borders and held rectangles are core rules (tests/core/bar_test.cpp); here the 1024 x 768
// test screen and the taskbar the service reports.
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
void Move(const Drag& drag)
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

struct DockRow {
    const char* name;
    DWORD floatMode, edge, hideMode;   // at the start
    bool storedSize;                   // Width 300, Height 500 stored
    std::vector<Drag> drags;
    RECT rect;
    bool registered;
    DWORD floatModeAfter;
    std::optional<RECT> storedFloat{};   // X, Y, Width, Height at exit
    DWORD widthAtExit = 200;           // dt_width
};
void PrintTo(const DockRow& row, std::ostream* out) { *out << row.name; }

const DockRow kRows[] = {
    {"FloatingDraggedIntoTheLeftZoneDocks", 1, 0, 1, false, {{{100, 40}, {2, 300}}}, {0, 0, 200, kAuto}, false, 0,
     RECT{20, 20, 220, 620}},
    {"DockedDraggedAwayFloatsAtTheStoredSizeThenDocksRight", 0, kEdgeLeft, 0, true,
     {{{50, 300}, {400, 300}}, {{500, 300}, {kW - 1, 300}}}, {kW - 200, 0, kW, kH}, true, 0, RECT{390, 295, 690, 795}},
    {"DockedWithoutStoredSizeFloatsAtTheDefaultSize", 0, kEdgeLeft, 1, false, {{{50, 300}, {400, 300}}},
     {390, 295, 590, 895}, false, 1, RECT{390, 295, 590, 895}},
    {"LeftBarResizedByItsFrameStaysDocked", 0, kEdgeLeft, 0, false, {{{199, 300}, {249, 300}, RECT{0, 0, 250, kH}}},
     {0, 0, 250, kH}, true, 0, std::nullopt, 250},
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
    HWND main = g_ui.main;
    Exit();
    EXPECT_FALSE(IsRegisteredBar(main));   // the exit takes the bar out of the service
    EXPECT_EQ(StoredDword(L"FloatMode"), row.floatModeAfter);
    EXPECT_EQ(StoredDword(L"dt_width"), row.widthAtExit);
    if (row.floatModeAfter == 0) {
        EXPECT_EQ(StoredDword(L"AppBarMode"), row.rect.left == 0 ? kEdgeLeft : kEdgeRight);
    }
    EXPECT_EQ(row.storedFloat ? StoredFloatRect() : RECT{}, row.storedFloat.value_or(RECT{}));
}

INSTANTIATE_TEST_SUITE_P(Docking, DockRows, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The first tick outside after start-up hides at once, later ones at the second. The left strip
// lies off the screen, so only the tick sees the pointer at the edge; over the right one, the
// window hears of it at once. Either comes back at its width, which is what the exit stores.
TEST_F(DockingTest, AutoHideHidesToAStripAndComesBackUnderThePointer)
{
    const struct { DWORD edge; LONG strip; POINT back; } rows[] = {{kEdgeLeft, -4, {0, 500}}, {kEdgeRight, kW - 1, {kW - 1, 300}}};
    for (const auto& row : rows) {
        StartAs(0, row.edge, 1);
        EXPECT_EQ(g_dock.hiddenRect.left, row.strip);
        EXPECT_EQ(g_dock.hiddenRect.right - g_dock.hiddenRect.left, 2);
        TickHideTimer();
        PointAt(row.edge == kEdgeLeft ? 100 : kW - 100, 300);   // where the bar was: nothing
        TickHideTimer();
        ASSERT_EQ(MainWindowRect().left, row.strip);
        EXPECT_LE(MainWindowRect().right, row.strip + 6) << "the platform may widen the strip, not more";
        SetCursorPos(row.back.x, row.back.y);
        if (row.edge == kEdgeLeft) TickHideTimer();
        EXPECT_TRUE(PumpUntil([] { return !g_dock.barHidden; }, 3000));
        EXPECT_EQ(MainWindowRect(), Placed(row.edge == kEdgeLeft ? RECT{0, 0, 200, kAuto} : RECT{kW - 200, 0, kW, kAuto}));
        EXPECT_TRUE(row.edge != kEdgeLeft || GetFocus() == g_ui.main);
        PointAt(600, 300);
        TickHideTimer();
        EXPECT_FALSE(g_dock.barHidden);
        TickHideTimer();
        EXPECT_TRUE(g_dock.barHidden);
        Exit();
        EXPECT_EQ(StoredDword(L"dt_width"), 200u);   // never the strip's width
    }
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

// As the system delivers them: the display change posted, the others sent. The strip of a hidden
// bar left where the old screen had it, and a taskbar measured there.
TEST_F(DockingTest, CommandsNotificationsAndScreenChangesPlaceTheBarAgain)
{
    StartAs(0, kEdgeRight, 1);
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(g_set.appBarMode, kEdgeLeft);
    EXPECT_EQ(MainWindowRect(), Placed({0, 0, 200, kAuto}));
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    const RECT right = Placed({kW - 200, 0, kW, kAuto});
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
// stands for hiding; -5 is stored as typed and the timer runs at its shortest.
TEST_F(DockingTest, SettingsDialogChangesTheDockedBarAtOnce)
{
    auto runConfig = [](const wchar_t* hideTime, bool autoHide) {
        DialogStep step;
        step.texts[IDC_CONFIG_HIDETIME] = hideTime;
        step.checks[IDC_CONFIG_HIDEMODE] = autoHide;
        ScriptDialogs({step});
        RunCommand(IDM_CONFIG);
    };
    StartAs(0, kEdgeLeft, 1);
    TickHideTimer();
    ASSERT_TRUE(g_dock.barHidden);
    runConfig(L"3600000", false);
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 200, kH}));
    EXPECT_TRUE(IsRegisteredBar(g_ui.main));
    runConfig(L"3600000", true);
    EXPECT_EQ(MainWindowRect(), Placed({0, 0, 200, kAuto}));
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    g_dock.hideAtOnce = false;   // two real ticks are needed
    runConfig(L"-5", true);
    EXPECT_EQ(StoredDword(L"HideTime"), static_cast<DWORD>(-5));
    EXPECT_TRUE(PumpUntil([] { return g_dock.barHidden; }, 3000));
}

}  // namespace
