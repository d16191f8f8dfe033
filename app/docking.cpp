// Docking: one function per step of the desktop-bar protocol, the auto-hide timer, and the
// moves that dock and undock the window.
#include "app/docking.h"

#include "app/settings.h"
#include "res/resource.h"
#include "tree/state.h"

Dock g_dock;

static BarRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
static RECT ToRect(const BarRect& r) { return {r.left, r.top, r.right, r.bottom}; }

static BarRect WindowRectOf(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return FromRect(rect);
}

static POINT PointerPos()
{
    POINT p{};
    GetCursorPos(&p);
    return p;
}

static BarRect WorkArea()
{
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return FromRect(area);
}

// The primary screen's width: the pointer's x runs beyond it, or below 0, on other monitors.
static int32_t ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
static BarRect ScreenRect() { return {0, 0, ScreenWidth(), GetSystemMetrics(SM_CYSCREEN)}; }

static void MoveMainTo(const BarRect& r)
{
    MoveWindow(g_ui.main, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

static HWND TopBand() { return g_set.topMode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST; }

static int32_t BarWidth() { return static_cast<int32_t>(g_set.dtWidth); }

// The style switches' own moves are not sizes the user gave the bar.
class WidthTrackingPaused {
public:
    WidthTrackingPaused() : saved_(g_ui.widthTracking) { g_ui.widthTracking = false; }
    ~WidthTrackingPaused() { g_ui.widthTracking = saved_; }
    WidthTrackingPaused(const WidthTrackingPaused&) = delete;
    WidthTrackingPaused& operator=(const WidthTrackingPaused&) = delete;

private:
    bool saved_;
};

// A failed query leaves the record's rectangle as it was: cleared first, and not read then.
static void MeasureTaskbar()
{
    APPBARDATA& bar = g_dock.barData;
    bar.rc = {};
    g_dock.taskbar = SHAppBarMessage(ABM_GETTASKBARPOS, &bar) ? TaskbarFrom(FromRect(bar.rc), ScreenRect()) : Taskbar();
}

void RegisterBar()
{
    APPBARDATA& bar = g_dock.barData;
    bar.cbSize = sizeof bar;
    bar.hWnd = g_ui.main;
    bar.uCallbackMessage = WM_APPBARNOTIFY;
    if (g_set.hideMode != 0) {
        MeasureTaskbar();
    } else {
        (void)SHAppBarMessage(ABM_NEW, &bar);
    }
    PositionBar(g_set.appBarMode, g_set.dtWidth);
}

void UnregisterBar()
{
    if (g_set.hideMode == 0) (void)SHAppBarMessage(ABM_REMOVE, &g_dock.barData);
}

void PositionBar(DWORD edge, DWORD width)
{
    APPBARDATA& bar = g_dock.barData;
    const BarRect screen = ScreenRect();
    bar.uEdge = edge;
    bar.rc = ToRect(screen);
    // The service may announce the work area it changes for this bar while the request runs.
    g_dock.placing = true;
    (void)SHAppBarMessage(ABM_QUERYPOS, &bar);
    bar.rc = ToRect(NarrowToEdge(FromRect(bar.rc), edge, static_cast<int32_t>(width)));
    (void)SHAppBarMessage(ABM_SETPOS, &bar);
    g_dock.placing = false;
    // Placed shown, also when it was hidden: the next move away hides it again.
    g_dock.barHidden = false;
    MoveMainTo(DockedWindowRect(FromRect(bar.rc), edge, g_set.hideMode, g_dock.taskbar, screen));
    if (g_set.hideMode == 0) return;
    g_dock.shownRect = WindowRectOf(g_ui.main);
    g_dock.hiddenRect = HiddenStrip(g_dock.shownRect, edge);
}

void EnterDockedStyle()
{
    LONG style = GetWindowLongW(g_ui.main, GWL_STYLE);
    SetWindowLongW(g_ui.main, GWL_STYLE, (style & ~WS_CAPTION) | WS_SYSMENU);
    SetWindowPos(g_ui.main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_HIDEWINDOW);
    RegisterBar();
    SetWindowPos(g_ui.main, TopBand(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void EnterFloatingStyle()
{
    // The visibility bit stays as it is: the next call hides, the one after shows.
    LONG visible = GetWindowLongW(g_ui.main, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongW(g_ui.main, GWL_STYLE, (g_ui.savedStyle & ~WS_VISIBLE) | visible);
    SetWindowPos(g_ui.main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_HIDEWINDOW);
    SetWindowPos(g_ui.main, TopBand(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    RestoreFloatRect();
    UnregisterBar();
}

void StartHideTimer(HWND hwnd)
{
    // HideTime is kept as typed; read as a signed period, 0 and below mean the shortest one
    // (an unsigned reading of a negative value would be a period of weeks).
    LONG period = static_cast<LONG>(g_set.hideTime);
    SetTimer(hwnd, IDT_HIDE, period < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : static_cast<UINT>(period), nullptr);
}

bool IsBarHidden() { return g_dock.barHidden; }

bool IsMoveInProgress() { return g_dock.moving; }

static void ShowHiddenBar(HWND hwnd)
{
    SetActiveWindow(hwnd);
    SetFocus(hwnd);
    g_dock.barHidden = false;
    MoveMainTo(g_dock.shownRect);
}

void OnHideTimer(HWND hwnd)
{
    if (g_set.floatMode != 0) return;
    POINT p = PointerPos();
    // A hidden left strip lies off the screen: the pointer reaches it at the screen's edge.
    if (g_dock.barHidden && g_set.hideMode == 1 &&
        ReachesHiddenBar(g_dock.hiddenRect, g_set.appBarMode, ScreenWidth(), p.x, p.y)) {
        ShowHiddenBar(hwnd);
        g_dock.outsideTicks = 0;
        return;
    }
    if (ContainsInclusive(g_dock.shownRect, p.x, p.y)) return;
    if (g_dock.outsideTicks < 2) ++g_dock.outsideTicks;   // only "more than one" matters; never wraps
    if (g_dock.outsideTicks <= 1 && !g_dock.hideAtOnce) return;
    g_dock.hideAtOnce = false;
    if (g_set.hideMode != 1 || g_dock.barHidden) return;
    if (g_dock.hiddenRect == BarRect()) return;
    g_dock.barHidden = true;   // before the move, so that the strip's size is not taken as the bar's
    MoveMainTo(g_dock.hiddenRect);
}

LRESULT OnDockSetCursor(HWND hwnd)
{
    if (g_set.floatMode != 0 || g_set.hideMode != 1) return 0;
    if (g_dock.barHidden) ShowHiddenBar(hwnd);
    g_dock.outsideTicks = 0;
    return 0;
}

void OnEnterSizeMove(HWND hwnd)
{
    g_dock.moving = false;
    if (g_set.floatMode == 1) {
        POINT p = PointerPos();
        g_dock.floatRect = WindowRectOf(hwnd);
        g_dock.dragGrip = GripOf(g_dock.floatRect, p.x, p.y);
        return;
    }
    // A docked bar is held near its top-left corner at the stored floating size (0 when
    // none was stored yet; restoring the floating rectangle later makes that 200 x 600).
    g_dock.dragGrip = {10, 5, static_cast<int32_t>(ReadSetting(Setting::Width)),
                       static_cast<int32_t>(ReadSetting(Setting::Height))};
}

void OnMoving(RECT* proposed)
{
    g_dock.moving = true;
    POINT p = PointerPos();
    *proposed = ToRect(DragShape(p.x, p.y, WorkArea(), ScreenWidth(), BarWidth(), g_dock.dragGrip));
}

static void DockAt(DWORD edge)
{
    g_set.appBarMode = edge;
    if (g_set.floatMode != 1) {
        PositionBar(edge, g_set.dtWidth);
        return;
    }
    g_set.floatMode = 0;
    {
        WidthTrackingPaused paused;
        EnterDockedStyle();
    }
    SaveFloatRect(ToRect(g_dock.floatRect));   // the rectangle from before the move
}

static void Undock(HWND hwnd)
{
    ShowWindow(hwnd, SW_HIDE);
    POINT q = PointerPos();
    g_dock.floatRect = HeldRect(g_dock.dragGrip, q.x, q.y);
    SaveFloatRect(ToRect(g_dock.floatRect));
    WidthTrackingPaused paused;
    g_set.floatMode = 1;
    EnterFloatingStyle();
}

void OnExitSizeMove(HWND hwnd)
{
    const bool moved = g_dock.moving;
    g_dock.moving = false;
    POINT p = PointerPos();
    switch (DecideMoveEnd(p.x, WorkArea(), ScreenWidth(), g_set.floatMode == 1, moved)) {
    case MoveEnd::DockLeft: DockAt(kEdgeLeft); return;
    case MoveEnd::DockRight: DockAt(kEdgeRight); return;
    case MoveEnd::Undock: Undock(hwnd); return;
    case MoveEnd::Stay: return;
    }
}

void OnScreenChange()
{
    if (g_dock.placing) return;
    if (g_set.hideMode != 0) MeasureTaskbar();
    if (g_set.floatMode == 0) {
        PositionBar(g_set.appBarMode, g_set.dtWidth);
        return;
    }
    WidthTrackingPaused paused;
    KeepFloatingWindowUsable();
}

void OnAppBarNotify(WPARAM code)
{
    if (code == ABN_POSCHANGED) PositionBar(g_set.appBarMode, g_set.dtWidth);
}

void OnSwitchEdge()
{
    if (g_set.appBarMode == kEdgeLeft) {
        g_set.appBarMode = kEdgeRight;
        PositionBar(kEdgeRight, g_set.dtWidth);
    } else if (g_set.appBarMode == kEdgeRight) {
        g_set.appBarMode = kEdgeLeft;
        PositionBar(kEdgeLeft, g_set.dtWidth);
    }
}

void OnRedock()
{
    UnregisterBar();
    RegisterBar();
}
