// Docking on the real screen: drags driven by the move loop's messages with real pointer
// positions, the auto-hide timer, the desktop-bar service's answers, and the commands that
// place the bar again. The expected rectangles follow from the 1024 x 768 test screen and
// from what the service reports about the taskbar.
#include "app/docking.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tests/app/screen.h"
#include "tree/state.h"

namespace {

RECT Rect(const BarRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A bar 200 wide at the left or right screen edge, from the top down to `bottom`.
RECT LeftBar(LONG bottom) { return {0, 0, 200, bottom}; }
RECT RightBar(LONG bottom) { return {kScreenWidth - 200, 0, kScreenWidth, bottom}; }

LONG Style() { return GetWindowLongW(g_ui.main, GWL_STYLE); }

// The floating form: the style the window was created with (before it was shown).
bool IsFloatingStyle() { return (Style() & ~WS_VISIBLE) == (g_ui.savedStyle & ~WS_VISIBLE); }

class DockingTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), kScreenWidth);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), kScreenHeight);
        WriteFileBytes(L"list.dat", "0Work\\\r\n1Mail,http://m\r\n");
        SetSettingDword(L"HideTime", 3600000);   // the tests tick the timer themselves
        PointAt(600, 300);
    }
    void StartDocked(DWORD edge, DWORD hideMode)
    {
        SetSettingDword(L"FloatMode", 0);
        SetSettingDword(L"AppBarMode", edge);
        SetSettingDword(L"HideMode", hideMode);
        Start();
    }

    // The move loop: starts with the pointer at (x, y), proposes the window moved with the
    // pointer, shows the rectangle the window asks for, and ends.
    void BeginMove(LONG x, LONG y)
    {
        PointAt(x, y);
        grab_ = {x, y};
        SendMessageW(g_ui.main, WM_ENTERSIZEMOVE, 0, 0);
    }
    RECT MoveTo(LONG x, LONG y)
    {
        PointAt(x, y);
        RECT proposed = MainWindowRect();
        OffsetRect(&proposed, x - grab_.x, y - grab_.y);
        grab_ = {x, y};
        EXPECT_EQ(SendMessageW(g_ui.main, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&proposed)), 1);
        SetWindowPos(g_ui.main, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                     proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return proposed;
    }
    void EndMove()
    {
        SendMessageW(g_ui.main, WM_EXITSIZEMOVE, 0, 0);
        PumpMessages();
    }
    // A resize by the frame grabbed at `fromX`: no WM_MOVING, only sizes.
    void ResizeTo(RECT target, LONG fromX, LONG toX)
    {
        BeginMove(fromX, 300);
        SetWindowPos(g_ui.main, nullptr, target.left, target.top, target.right - target.left,
                     target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
        PointAt(toX, 300);
        EndMove();
    }
    // The shapes at both sides of both zone borders, with a bar of 200 and a held rectangle
    // of width x height; what the window took during the drag never becomes the bar width.
    void ExpectDragShapes(LONG width, LONG height)
    {
        const DragGrip grip = g_dock.dragGrip;
        EXPECT_EQ(grip.width, width);
        EXPECT_EQ(grip.height, height);
        struct { LONG x; RECT shape; } cases[] = {
            {2, LeftBar(kScreenHeight)},
            {3, Rect(HeldRect(grip, 3, 400))},
            {kScreenWidth - 3, Rect(HeldRect(grip, kScreenWidth - 3, 400))},
            {kScreenWidth - 2, RightBar(kScreenHeight)},
        };
        for (const auto& c : cases) EXPECT_EQ(MoveTo(c.x, 400), c.shape) << "pointer at x " << c.x;
        EXPECT_EQ(g_set.dtWidth, 200u);
    }

    static void ExpectStoredFloatRect(RECT r)
    {
        EXPECT_EQ((RECT{static_cast<LONG>(StoredDword(L"X")), static_cast<LONG>(StoredDword(L"Y")),
                        static_cast<LONG>(StoredDword(L"X") + StoredDword(L"Width")),
                        static_cast<LONG>(StoredDword(L"Y") + StoredDword(L"Height"))}),
                  r);
    }

    POINT grab_{};
};

TEST_F(DockingTest, FloatingDragIntoTheLeftZoneDocksAndStoresTheRectangleFromBeforeTheDrag)
{
    Start();
    ASSERT_EQ(MainWindowRect(), (RECT{20, 20, 220, 620}));
    BeginMove(100, 40);
    EXPECT_EQ(MoveTo(500, 300), (RECT{420, 280, 620, 880}));   // held where it was grabbed
    EXPECT_EQ(MoveTo(2, 300), LeftBar(kScreenHeight));
    EndMove();

    EXPECT_EQ(g_set.floatMode, 0u);
    EXPECT_EQ(g_set.appBarMode, kEdgeLeft);
    EXPECT_EQ(Style() & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE), WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
    EXPECT_EQ(MainWindowRect(), LeftBar(AutoHideBottom()));   // HideMode 1 by default
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    ExpectStoredFloatRect({20, 20, 220, 620});

    Exit();
    EXPECT_EQ(StoredDword(L"FloatMode"), 0u);
    EXPECT_EQ(StoredDword(L"AppBarMode"), 0u);
    EXPECT_EQ(StoredDword(L"dt_width"), 200u);
    ExpectStoredFloatRect({20, 20, 220, 620});   // a docked exit leaves it alone
}

// On the test screen the work area is the whole screen (Wine reserves nothing for bars).
TEST_F(DockingTest, DragShowsTheBarOnlyInTheEdgeZonesOfAFloatingWindow)
{
    Start();
    BeginMove(100, 30);
    ExpectDragShapes(200, 600);
}

TEST_F(DockingTest, DragShowsTheBarOnlyInTheEdgeZonesOfADockedBar)
{
    SetSettingDword(L"Width", 300);
    SetSettingDword(L"Height", 500);
    StartDocked(kEdgeLeft, 0);
    BeginMove(50, 30);
    EXPECT_EQ(g_dock.dragGrip.offsetX, 10);
    EXPECT_EQ(g_dock.dragGrip.offsetY, 5);
    ExpectDragShapes(300, 500);
}

TEST_F(DockingTest, DockedBarDraggedAwayFloatsAtTheStoredSizeAndDocksAgainAtTheOtherEdge)
{
    SetSettingDword(L"Width", 300);
    SetSettingDword(L"Height", 500);
    StartDocked(kEdgeLeft, 0);
    ASSERT_EQ(MainWindowRect(), LeftBar(kScreenHeight));
    ASSERT_TRUE(IsRegisteredBar(g_ui.main));

    BeginMove(50, 300);
    EXPECT_EQ(MoveTo(400, 300), (RECT{390, 295, 690, 795}));   // held 10 right of and 5 below its corner
    EndMove();
    EXPECT_EQ(g_set.floatMode, 1u);
    EXPECT_EQ(MainWindowRect(), (RECT{390, 295, 690, 795}));
    EXPECT_TRUE(IsFloatingStyle());
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    ExpectStoredFloatRect({390, 295, 690, 795});
    EXPECT_EQ(g_set.dtWidth, 200u);

    BeginMove(500, 300);
    MoveTo(kScreenWidth - 1, 300);
    EndMove();
    EXPECT_EQ(g_set.appBarMode, kEdgeRight);
    EXPECT_EQ(MainWindowRect(), RightBar(kScreenHeight));
    EXPECT_TRUE(IsRegisteredBar(g_ui.main));
    ExpectStoredFloatRect({390, 295, 690, 795});   // from before this drag

    HWND main = g_ui.main;
    Exit();
    EXPECT_FALSE(IsRegisteredBar(main));   // the exit takes the bar out of the service
}

TEST_F(DockingTest, DockedBarWithoutStoredSizeFloatsAtTheDefaultSizeAndKeepsItsWidth)
{
    StartDocked(kEdgeLeft, 1);
    BeginMove(50, 300);
    EXPECT_EQ(MoveTo(400, 300), (RECT{390, 295, 390, 295}));
    EndMove();
    ExpectStoredFloatRect({390, 295, 390, 295});
    EXPECT_EQ(MainWindowRect(), (RECT{390, 295, 590, 895}));
    EXPECT_EQ(g_set.dtWidth, 200u);

    BeginMove(450, 300);
    MoveTo(0, 300);
    EndMove();
    EXPECT_EQ(MainWindowRect(), LeftBar(AutoHideBottom()));
}

TEST_F(DockingTest, ResizingTheLeftBarByItsFrameKeepsItDockedAtTheNewWidth)
{
    StartDocked(kEdgeLeft, 0);
    ResizeTo({0, 0, 250, kScreenHeight}, 199, 249);
    EXPECT_EQ(g_set.floatMode, 0u);
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 250, kScreenHeight}));
    Exit();
    EXPECT_EQ(StoredDword(L"dt_width"), 250u);
}

TEST_F(DockingTest, FloatingWindowResizedIntoTheLeftZoneDocksThere)
{
    Start();
    ResizeTo({1, 20, 220, 620}, 20, 1);   // its left frame to the screen edge
    EXPECT_EQ(g_set.floatMode, 0u);
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 219, AutoHideBottom()}));   // its width went on as the bar's
}

// Not registered (auto-hide), the bar lies inside the work area, away from the edge zones.
TEST_F(DockingTest, RightBarClickedOrResizedByItsFrameStaysDocked)
{
    StartDocked(kEdgeRight, 1);
    BeginMove(900, 300);
    EndMove();
    EXPECT_EQ(g_set.floatMode, 0u);
    EXPECT_EQ(MainWindowRect(), RightBar(AutoHideBottom()));

    ResizeTo({700, 0, kScreenWidth, AutoHideBottom()}, kScreenWidth - 200, 700);
    EXPECT_EQ(g_set.floatMode, 0u);
    EXPECT_EQ(MainWindowRect(), (RECT{700, 0, kScreenWidth, AutoHideBottom()}));
    EXPECT_EQ(g_set.dtWidth, 324u);
}

TEST_F(DockingTest, LeftBarHidesBesideTheScreenAndComesBackFromTheScreenEdge)
{
    StartDocked(kEdgeLeft, 1);
    const LONG bottom = AutoHideBottom();
    EXPECT_EQ(Rect(g_dock.shownRect), LeftBar(bottom));
    EXPECT_EQ(Rect(g_dock.hiddenRect), (RECT{-4, 0, -2, bottom}));

    TickHideTimer();   // the first tick outside after start-up hides at once
    EXPECT_TRUE(g_dock.barHidden);
    EXPECT_EQ(MainWindowRect().left, -4);
    EXPECT_LE(MainWindowRect().right, 2) << "the platform may widen the strip, not more";
    EXPECT_EQ(g_set.dtWidth, 200u);

    // Only the tick sees the pointer here: the strip itself lies off the screen.
    SetCursorPos(0, 500);
    TickHideTimer();
    EXPECT_FALSE(g_dock.barHidden);
    EXPECT_EQ(MainWindowRect(), LeftBar(bottom));
    EXPECT_EQ(GetActiveWindow(), g_ui.main);
    EXPECT_EQ(GetFocus(), g_ui.main);

    PointAt(600, 300);
    TickHideTimer();
    EXPECT_FALSE(g_dock.barHidden) << "after the first time, the second tick outside hides";
    TickHideTimer();
    EXPECT_TRUE(g_dock.barHidden);

    Exit();
    EXPECT_EQ(StoredDword(L"dt_width"), 200u);   // never the strip's width
}

TEST_F(DockingTest, RightBarHidesAcrossTheScreenEdgeAndComesBackUnderThePointer)
{
    StartDocked(kEdgeRight, 1);
    const LONG bottom = AutoHideBottom();
    EXPECT_EQ(Rect(g_dock.shownRect), RightBar(bottom));
    EXPECT_EQ(Rect(g_dock.hiddenRect), (RECT{kScreenWidth - 1, 0, kScreenWidth + 1, bottom}));
    TickHideTimer();
    ASSERT_TRUE(g_dock.barHidden);
    EXPECT_EQ(MainWindowRect().left, kScreenWidth - 1);

    PointAt(kScreenWidth - 100, 300);   // where the bar was: nothing
    TickHideTimer();
    EXPECT_TRUE(g_dock.barHidden);

    SetCursorPos(kScreenWidth - 1, 300);   // over the strip: the window hears of it, no tick needed
    EXPECT_TRUE(PumpUntil([] { return !g_dock.barHidden; }));
    EXPECT_EQ(MainWindowRect(), RightBar(bottom));
}

TEST_F(DockingTest, HideModeTwoStandsAsForAutoHideButNeverHides)
{
    StartDocked(kEdgeLeft, 2);
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    for (int i = 0; i < 3; ++i) TickHideTimer();
    EXPECT_EQ(MainWindowRect(), LeftBar(AutoHideBottom()));
}

TEST_F(DockingTest, ServiceKeepsTheBarBesideAnotherBarAndAsksItToMoveWhenThatOneGoes)
{
    HWND other = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 150, kScreenHeight, nullptr, nullptr,
                                 nullptr, nullptr);
    APPBARDATA bar{};
    bar.cbSize = sizeof bar;
    bar.hWnd = other;
    bar.uCallbackMessage = WM_APP;
    bar.uEdge = ABE_LEFT;
    ASSERT_TRUE(SHAppBarMessage(ABM_NEW, &bar));
    bar.rc = {0, 0, 150, kScreenHeight};
    SHAppBarMessage(ABM_SETPOS, &bar);

    StartDocked(kEdgeLeft, 0);
    EXPECT_EQ(MainWindowRect(), (RECT{150, 0, 350, kScreenHeight}));
    SHAppBarMessage(ABM_REMOVE, &bar);
    DestroyWindow(other);
    EXPECT_TRUE(PumpUntil([] { return MainWindowRect().left == 0; }));
    EXPECT_EQ(MainWindowRect(), LeftBar(kScreenHeight));
}

TEST_F(DockingTest, CommandsAndNotificationsPlaceTheBarAgain)
{
    StartDocked(kEdgeRight, 1);
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(g_set.appBarMode, kEdgeLeft);
    EXPECT_EQ(MainWindowRect(), LeftBar(AutoHideBottom()));
    EXPECT_EQ(Rect(g_dock.hiddenRect), (RECT{-4, 0, -2, AutoHideBottom()}));
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(MainWindowRect(), RightBar(AutoHideBottom()));

    for (WPARAM code : {ABN_STATECHANGE, ABN_POSCHANGED}) {
        SetWindowPos(g_ui.main, nullptr, 300, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(g_ui.main, WM_APPBARNOTIFY, code, 0);
        EXPECT_EQ(MainWindowRect().left, code == ABN_POSCHANGED ? kScreenWidth - 200 : 300);
    }

    SetWindowPos(g_ui.main, nullptr, 300, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(g_ui.main, WM_COMMAND, IDM_REDOCK, 0);
    EXPECT_EQ(MainWindowRect(), RightBar(AutoHideBottom()));
}

// The strip of a hidden bar left where the old screen had it, and a taskbar measured there.
TEST_F(DockingTest, ScreenChangesMeasureTheTaskbarAndPlaceTheBarAgain)
{
    StartDocked(kEdgeRight, 1);
    // As the system delivers them: the display change posted, the setting change sent.
    const struct { UINT msg; WPARAM wp; LPARAM lp; } changes[] = {
        {WM_DISPLAYCHANGE, 32, MAKELPARAM(kScreenWidth, kScreenHeight)},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, 0},
    };
    for (const auto& change : changes) {
        TickHideTimer();
        TickHideTimer();
        ASSERT_TRUE(g_dock.barHidden);
        SetWindowPos(g_ui.main, nullptr, 1500, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        g_dock.taskbar = {TaskbarEdge::Top, 100};
        if (change.msg == WM_DISPLAYCHANGE) PostMessageW(g_ui.main, change.msg, change.wp, change.lp);
        else SendMessageW(g_ui.main, change.msg, change.wp, change.lp);
        PumpMessages();
        EXPECT_FALSE(g_dock.barHidden) << change.msg;
        EXPECT_EQ(MainWindowRect(), RightBar(AutoHideBottom())) << change.msg;
    }
    SetWindowPos(g_ui.main, nullptr, 300, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(g_ui.main, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_EQ(MainWindowRect().left, 300) << "other settings place nothing";
}

TEST_F(DockingTest, ScreenChangeBringsBackOnlyAFloatingWindowThatCannotBeTakenHoldOf)
{
    Start();
    const struct { LONG left, after; } cases[] = {{-100, -100}, {-500, 0}};
    for (const auto& c : cases) {
        SetWindowPos(g_ui.main, nullptr, c.left, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(g_ui.main, WM_DISPLAYCHANGE, 32, MAKELPARAM(kScreenWidth, kScreenHeight));
        EXPECT_EQ(MainWindowRect(), (RECT{c.after, 100, c.after + 200, 700})) << c.left;
    }
}

TEST_F(DockingTest, SwitchEdgeMovesAFloatingWindowWithoutDockingIt)
{
    Start();
    SendMessageW(g_ui.main, WM_COMMAND, IDM_SWITCHEDGE, 0);
    EXPECT_EQ(g_set.floatMode, 1u);
    EXPECT_TRUE(IsFloatingStyle());
    // The taskbar is measured only when the bar is set up: none yet, so the bar is full height.
    EXPECT_EQ(MainWindowRect(), RightBar(kScreenHeight));
}

}  // namespace
