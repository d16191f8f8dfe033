// The rectangles of the docked bar, of a drag and of the floating window: where the bar stands
// shown and hidden, the shape a drag shows, what the end of a move decides, and the stored
// sizes and places made usable on the screen at hand. Plain arithmetic in screen pixels, no
// window system.
#pragma once
#include <cstdint>

// A screen rectangle; right and bottom lie just outside, as in the window system.
struct BarRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const BarRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The stored edge values of the bar (AppBarMode). Any other value is passed on unchanged and
// narrows nothing.
constexpr uint32_t kEdgeLeft = 0;
constexpr uint32_t kEdgeRight = 2;

// Where the pointer holds the window during a move, and the size the window shows there.
struct DragGrip {
    int32_t offsetX = 0, offsetY = 0, width = 0, height = 0;
};

// The rectangle the desktop-bar service returned, cut to `width` at the bar's edge.
BarRect NarrowToEdge(BarRect service, uint32_t edge, int32_t width);

// The edge the taskbar stands at and its thickness across that edge. An auto-hidden taskbar,
// mostly off the screen, has the same edge and thickness as a shown one.
enum class TaskbarEdge { None, Left, Top, Right, Bottom };
struct Taskbar {
    TaskbarEdge edge = TaskbarEdge::None;
    int32_t thickness = 0;
};

// The taskbar a rectangle describes on `screen`: across the full width at the top or bottom,
// down the full height at the left or right, by which half of the screen its middle lies in.
// A rectangle that spans neither (an empty one, one on another monitor) or both is none.
Taskbar TaskbarFrom(BarRect rect, BarRect screen);

// The docked bar's window rectangle for the rectangle the desktop-bar service placed
// (`placed`, already narrowed to the edge). A registered bar (HideMode 0) stands where the
// service put it. An unregistered one keeps clear of the taskbar: a bottom or top taskbar
// takes its thickness less 2 off the bar's height (the bar overlaps it by 2); a left or right
// one at the bar's own edge puts the bar beside it, at the bar's width.
BarRect DockedWindowRect(BarRect placed, uint32_t edge, uint32_t hideMode, Taskbar taskbar, BarRect screen);

// The 2-pixel strip the hidden bar moves to: left of a left bar, across a right bar's right
// edge. Any other edge keeps the shown rectangle.
BarRect HiddenStrip(BarRect shown, uint32_t edge);

// Whether the point lies in the rectangle, all four bounds included.
bool ContainsInclusive(BarRect rect, int32_t x, int32_t y);

// Whether the pointer reaches the hidden bar: inside its strip, or on the screen's own edge
// column beside it (the left strip lies wholly off the screen). A pointer beyond that column
// is on another monitor and reaches nothing.
bool ReachesHiddenBar(BarRect hidden, uint32_t edge, int32_t screenWidth, int32_t x, int32_t y);

// The edge zone a pointer column falls in: the three leftmost columns of the screen, or the
// two rightmost columns of the work area and anything right of them up to the screen's edge.
// Columns left of 0 or from `screenWidth` on belong to other monitors: no zone.
enum class EdgeZone { None, Left, Right };
EdgeZone EdgeZoneAt(int32_t x, BarRect workArea, int32_t screenWidth);

// Taken when a move starts: the pointer's offset into the window, and the window's size.
DragGrip GripOf(BarRect window, int32_t x, int32_t y);

// The rectangle held by `grip` with the pointer at (x, y).
BarRect HeldRect(DragGrip grip, int32_t x, int32_t y);

// The window rectangle during a drag: a full-height bar of `barWidth` in an edge zone (from
// the screen's top to the work area's bottom), else the rectangle held by the grip.
BarRect DragShape(int32_t x, int32_t y, BarRect workArea, int32_t screenWidth, int32_t barWidth, DragGrip grip);

// What the end of a move or resize does with the window, the pointer at column x: an edge
// zone docks; elsewhere only a docked bar that was `moved` (it followed the pointer at least
// once) floats. A press and release without a move, or a resize by the frame, keeps it.
enum class MoveEnd { DockLeft, DockRight, Stay, Undock };
MoveEnd DecideMoveEnd(int32_t x, BarRect workArea, int32_t screenWidth, bool floating, bool moved);

// The width of the docked bar for a stored one: values no run of the program stores (30 or
// less, negative when read as a signed number, or wider than the screen) give 200.
uint32_t UsableBarWidth(uint32_t stored, int32_t screenWidth);

// The floating window's rectangle for a stored one, on a screen whose work area is `area`. A
// width or height of 0 or less gives the default 200 x 600, and each side is kept between
// 100 pixels and the area's own. A window the pointer could not take hold of (less than 40
// pixels of its width across the area, or its top edge not within the area's upper part), or
// one that was bigger than the area, is moved as little as brings it whole into the area; any
// other keeps its place, partly off the area if it was left so.
BarRect UsableFloatRect(int32_t x, int32_t y, int32_t width, int32_t height, BarRect area);
