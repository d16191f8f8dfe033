// Bar and drag rectangles.
#include "core/bar_geometry.h"

#include <algorithm>

// Columns from the screen's left edge, and from the work area's right edge, that dock.
static constexpr int32_t kLeftZoneColumns = 3;
static constexpr int32_t kRightZoneMargin = 3;

// The hidden strip is 2 pixels wide: a left one ends 2 pixels before the bar began, a right
// one straddles the bar's right edge.
static constexpr int32_t kStripWidth = 2;
static constexpr int32_t kLeftStripGap = 2;
static constexpr int32_t kRightStripInside = 1;

// The shown auto-hide bar reaches 2 pixels into a taskbar at the top or bottom.
static constexpr int32_t kBelowTaskbarTop = 2;

BarRect NarrowToEdge(BarRect service, uint32_t edge, int32_t width)
{
    if (edge == kEdgeLeft) service.right = service.left + width;
    else if (edge == kEdgeRight) service.left = service.right - width;
    return service;
}

Taskbar TaskbarFrom(BarRect rect, BarRect screen)
{
    const bool fullWidth = rect.left <= screen.left && rect.right >= screen.right;
    const bool fullHeight = rect.top <= screen.top && rect.bottom >= screen.bottom;
    if (fullWidth == fullHeight) return {};
    // In 64 bits (middles compared doubled): the rectangle comes from another process.
    int64_t thickness, extent;
    TaskbarEdge edge;
    if (fullWidth) {
        const bool top = int64_t{rect.top} + rect.bottom < int64_t{screen.top} + screen.bottom;
        edge = top ? TaskbarEdge::Top : TaskbarEdge::Bottom;
        thickness = int64_t{rect.bottom} - rect.top;
        extent = int64_t{screen.bottom} - screen.top;
    } else {
        const bool left = int64_t{rect.left} + rect.right < int64_t{screen.left} + screen.right;
        edge = left ? TaskbarEdge::Left : TaskbarEdge::Right;
        thickness = int64_t{rect.right} - rect.left;
        extent = int64_t{screen.right} - screen.left;
    }
    if (thickness <= 0 || thickness >= extent) return {};
    return {edge, static_cast<int32_t>(thickness)};
}

BarRect DockedWindowRect(BarRect placed, uint32_t edge, uint32_t hideMode, Taskbar taskbar, BarRect screen)
{
    if (hideMode == 0) return placed;
    BarRect r = placed;
    const int32_t width = placed.right - placed.left;
    switch (taskbar.edge) {
    case TaskbarEdge::Bottom: r.bottom = placed.bottom - taskbar.thickness + kBelowTaskbarTop; break;
    case TaskbarEdge::Top: r.top = placed.top + taskbar.thickness - kBelowTaskbarTop; break;
    // The service may already have put the bar beside the taskbar: then it stays there.
    case TaskbarEdge::Left:
        if (edge != kEdgeLeft || placed.left >= screen.left + taskbar.thickness) break;
        r.left = screen.left + taskbar.thickness;
        r.right = r.left + width;
        break;
    case TaskbarEdge::Right:
        if (edge != kEdgeRight || placed.right <= screen.right - taskbar.thickness) break;
        r.right = screen.right - taskbar.thickness;
        r.left = r.right - width;
        break;
    case TaskbarEdge::None: break;
    }
    return r;
}

BarRect HiddenStrip(BarRect shown, uint32_t edge)
{
    BarRect strip = shown;
    if (edge == kEdgeLeft) {
        strip.right = shown.left - kLeftStripGap;
        strip.left = strip.right - kStripWidth;
    } else if (edge == kEdgeRight) {
        strip.left = shown.right - kRightStripInside;
        strip.right = strip.left + kStripWidth;
    }
    return strip;
}

bool ContainsInclusive(BarRect rect, int32_t x, int32_t y)
{
    return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

bool ReachesHiddenBar(BarRect hidden, uint32_t edge, int32_t screenWidth, int32_t x, int32_t y)
{
    if (y < hidden.top || y >= hidden.bottom) return false;
    if (x >= hidden.left && x < hidden.right) return true;
    if (edge == kEdgeLeft) return x == 0;
    if (edge == kEdgeRight) return x == screenWidth - 1;
    return false;
}

EdgeZone EdgeZoneAt(int32_t x, BarRect workArea, int32_t screenWidth)
{
    if (x < 0 || x >= screenWidth) return EdgeZone::None;
    if (x < kLeftZoneColumns) return EdgeZone::Left;
    if (x > workArea.right - kRightZoneMargin) return EdgeZone::Right;
    return EdgeZone::None;
}

DragGrip GripOf(BarRect window, int32_t x, int32_t y)
{
    return {x - window.left, y - window.top, window.right - window.left, window.bottom - window.top};
}

BarRect HeldRect(DragGrip grip, int32_t x, int32_t y)
{
    BarRect rect;
    rect.left = x - grip.offsetX;
    rect.top = y - grip.offsetY;
    rect.right = rect.left + grip.width;
    rect.bottom = rect.top + grip.height;
    return rect;
}

BarRect DragShape(int32_t x, int32_t y, BarRect workArea, int32_t screenWidth, int32_t barWidth, DragGrip grip)
{
    switch (EdgeZoneAt(x, workArea, screenWidth)) {
    case EdgeZone::Left: return {0, 0, barWidth, workArea.bottom};
    case EdgeZone::Right: return {workArea.right - barWidth, 0, workArea.right, workArea.bottom};
    case EdgeZone::None: break;
    }
    return HeldRect(grip, x, y);
}

MoveEnd DecideMoveEnd(int32_t x, BarRect workArea, int32_t screenWidth, bool floating, bool moved)
{
    switch (EdgeZoneAt(x, workArea, screenWidth)) {
    case EdgeZone::Left: return MoveEnd::DockLeft;
    case EdgeZone::Right: return MoveEnd::DockRight;
    case EdgeZone::None: break;
    }
    // A floating window was moved where the user left it; a bar that never took a drag shape
    // did not leave its edge.
    if (floating || !moved) return MoveEnd::Stay;
    return MoveEnd::Undock;
}

static constexpr uint32_t kDefaultBarWidth = 200;
static constexpr int32_t kWidestUnstoredBar = 30;   // the exit save keeps only wider bars

uint32_t UsableBarWidth(uint32_t stored, int32_t screenWidth)
{
    int64_t width = static_cast<int32_t>(stored);
    if (width > kWidestUnstoredBar && width <= screenWidth) return stored;
    return static_cast<uint32_t>(std::min<int64_t>(kDefaultBarWidth, std::max(screenWidth, 1)));
}

static constexpr int32_t kDefaultFloatWidth = 200, kDefaultFloatHeight = 600;
static constexpr int64_t kSmallestFloatSide = 100;
static constexpr int64_t kGripPixels = 40;

// `value` within [low, high]; `low` when the range is empty.
static int64_t Within(int64_t value, int64_t low, int64_t high) { return std::max(low, std::min(value, high)); }

BarRect UsableFloatRect(int32_t x, int32_t y, int32_t width, int32_t height, BarRect area)
{
    if (width <= 0 || height <= 0) {
        width = kDefaultFloatWidth;
        height = kDefaultFloatHeight;
    }
    const int64_t areaWidth = int64_t{area.right} - area.left, areaHeight = int64_t{area.bottom} - area.top;
    const int64_t w = std::min(std::max<int64_t>(width, kSmallestFloatSide), areaWidth);
    const int64_t h = std::min(std::max<int64_t>(height, kSmallestFloatSide), areaHeight);
    int64_t left = x, top = y;
    const int64_t across = std::min<int64_t>(left + w, area.right) - std::max<int64_t>(left, area.left);
    const bool reachable = across >= std::min(kGripPixels, w) && top >= area.top && top <= area.bottom - kGripPixels;
    if (!reachable || width > areaWidth || height > areaHeight) {
        left = Within(left, area.left, area.right - w);
        top = Within(top, area.top, area.bottom - h);
    }
    return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(left + w),
            static_cast<int32_t>(top + h)};
}
