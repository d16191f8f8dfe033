// The bar's rectangles on a 1024 x 768 primary screen (work area 0, 0, 1024, 740), a bar 200
// wide; other monitors lie left of 0 and from 1024 on. Then the hide time as typed.
#include <gtest/gtest.h>

#include "core/bar_geometry.h"
#include "core/hide_time.h"

void PrintTo(const BarRect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr BarRect kScreen{0, 0, 1024, 768};
constexpr BarRect kWorkArea{0, 0, 1024, 740};
constexpr int32_t kBarWidth = 200;
constexpr BarRect kBesideRegisteredRightBar{0, 0, 824, 740};   // a registered right bar holds the rest

constexpr BarRect kBottomTaskbar{0, 740, 1024, 768};
constexpr BarRect kTopTaskbar{0, 0, 1024, 28};
constexpr BarRect kLeftTaskbar{0, 0, 60, 768};
constexpr BarRect kRightTaskbar{964, 0, 1024, 768};

// Under auto-hide a bar keeps clear of the taskbar; a registered bar stands where the service put it.
// taskbar: what the query returned (all 0 when it failed); service: what the service returned.
TEST(BarPlace, ShownAndHidden)
{
    const struct { const char* name; BarRect taskbar; uint32_t edge; BarRect shown, hidden, service = kScreen; } rows[] = {
        {"BottomLeft", kBottomTaskbar, kEdgeLeft, {0, 0, 200, 742}, {-4, 0, -2, 742}},
        {"BottomRight", kBottomTaskbar, kEdgeRight, {824, 0, 1024, 742}, {1023, 0, 1025, 742}},
        {"BottomHiddenLeft", {0, 766, 1024, 794}, kEdgeLeft, {0, 0, 200, 742}, {-4, 0, -2, 742}},
        {"TopLeft", kTopTaskbar, kEdgeLeft, {0, 26, 200, 768}, {-4, 26, -2, 768}},
        {"TopRight", kTopTaskbar, kEdgeRight, {824, 26, 1024, 768}, {1023, 26, 1025, 768}},
        {"LeftLeft", kLeftTaskbar, kEdgeLeft, {60, 0, 260, 768}, {56, 0, 58, 768}},
        {"LeftRight", kLeftTaskbar, kEdgeRight, {824, 0, 1024, 768}, {1023, 0, 1025, 768}},
        {"RightLeft", kRightTaskbar, kEdgeLeft, {0, 0, 200, 768}, {-4, 0, -2, 768}},
        {"RightRight", kRightTaskbar, kEdgeRight, {764, 0, 964, 768}, {963, 0, 965, 768}},
        {"NoneLeft", {}, kEdgeLeft, {0, 0, 200, 768}, {-4, 0, -2, 768}},
        {"WholeScreenIsNone", kScreen, kEdgeRight, {824, 0, 1024, 768}, {1023, 0, 1025, 768}},
        {"OnAnotherMonitorIsNone", {1024, 740, 2048, 768}, kEdgeLeft, {0, 0, 200, 768}, {-4, 0, -2, 768}},
        // Another bar holds the left 150 pixels: the service moved the rectangle's left edge.
        {"BesideAnotherBar", kBottomTaskbar, kEdgeLeft, {150, 0, 350, 742}, {146, 0, 148, 742}, {150, 0, 1024, 768}},
    };
    for (const auto& r : rows) {
        const Taskbar taskbar = TaskbarFrom(r.taskbar, kScreen);
        const BarRect placed = NarrowToEdge(r.service, r.edge, kBarWidth);
        const BarRect shown = DockedWindowRect(placed, r.edge, 1, taskbar, kScreen);
        EXPECT_EQ(shown, r.shown) << r.name;
        EXPECT_EQ(HiddenStrip(shown, r.edge), r.hidden) << r.name;
        EXPECT_EQ(DockedWindowRect(placed, r.edge, 0, taskbar, kScreen), placed) << r.name;
    }
}

// Grabbed 80 right of and 20 below the corner of a 200 x 600 window at (20, 20): the bar in the
// edge zones, the held rectangle elsewhere.
TEST(DragShapeTest, ZoneBorders)
{
    const struct { int32_t x; BarRect shape; } rows[] = {
        {-1, {-81, 280, 119, 880}}, {0, {0, 0, 200, 740}}, {2, {0, 0, 200, 740}}, {3, {-77, 280, 123, 880}},
        {1021, {941, 280, 1141, 880}}, {1022, {824, 0, 1024, 740}}, {1023, {824, 0, 1024, 740}},
        {1024, {944, 280, 1144, 880}},   // -1 and 1024 lie on other monitors
    };
    DragGrip grip = GripOf({20, 20, 220, 620}, 100, 40);
    for (const auto& r : rows) EXPECT_EQ(DragShape(r.x, 300, kWorkArea, kScreen.right, kBarWidth, grip), r.shape) << r.x;
}

// moved: the window took at least one drag shape.
TEST(MoveEndTest, Decides)
{
    const struct { const char* name; int32_t x; BarRect workArea; bool floating, moved; MoveEnd end; } rows[] = {
        {"FloatingToLeftZone", 2, kWorkArea, true, true, MoveEnd::DockLeft},
        {"FloatingResizedIntoLeftZone", 1, kWorkArea, true, false, MoveEnd::DockLeft},
        {"BarDraggedAway", 400, kWorkArea, false, true, MoveEnd::Undock},
        {"BarDraggedOntoRightMonitor", 1300, kBesideRegisteredRightBar, false, true, MoveEnd::Undock},
        {"BarClicked", 900, kWorkArea, false, false, MoveEnd::Stay},
        // A registered right bar is left out of the work area: released over it, it stays right.
        {"OverRegisteredRightBar", 900, kBesideRegisteredRightBar, false, true, MoveEnd::DockRight},
        {"LeftBarClickedAtItsEdge", 1, kWorkArea, false, false, MoveEnd::DockLeft},
    };
    for (const auto& r : rows)
        EXPECT_EQ(DecideMoveEnd(r.x, r.workArea, kScreen.right, r.floating, r.moved), r.end) << r.name;
}

constexpr BarRect kLeftStrip{-4, 0, -2, 742};
constexpr BarRect kRightStrip{1023, 0, 1025, 742};

// The pointer reaches a hidden bar at the strip or the screen edge beside it.
TEST(HiddenBarReachTest, Strips)
{
    const struct { const char* name; BarRect hidden; uint32_t edge; int32_t x, y; bool reaches; } rows[] = {
        {"LeftScreenEdge", kLeftStrip, kEdgeLeft, 0, 300, true},
        {"LeftMonitorsLastColumn", kLeftStrip, kEdgeLeft, -1, 300, false},
        {"RightScreenEdge", kRightStrip, kEdgeRight, 1023, 300, true},
        {"RightBesideTheStrip", kRightStrip, kEdgeRight, 1022, 300, false},
        {"RightStripsOuterColumn", kRightStrip, kEdgeRight, 1024, 300, true},
        {"LeftEdgeIsNotTheRightBars", kRightStrip, kEdgeRight, 0, 300, false},
    };
    for (const auto& r : rows) EXPECT_EQ(ReachesHiddenBar(r.hidden, r.edge, 1024, r.x, r.y), r.reaches) << r.name;
}

// A stored floating rectangle is kept when it can be used, else brought onto the screen.
TEST(UsableFloatRectTest, Stored)
{
    const struct { const char* name; int32_t x, y, width, height; BarRect shown; } rows[] = {
        {"Default", 20, 20, 0, 0, {20, 20, 220, 620}},
        {"PartlyBelowTheAreaStays", 390, 295, 300, 500, {390, 295, 690, 795}},
        {"TooLittleAcrossComesIn", -270, 100, 300, 300, {0, 100, 300, 400}},
        {"RightOfTheArea", 1030, 100, 300, 300, {724, 100, 1024, 400}},
        {"TopTooLowToGrab", 100, 701, 300, 300, {100, 440, 400, 740}},   // the grip must stay reachable
        {"TinyGrows", 20, 20, 1, 2, {20, 20, 120, 120}}, {"AsHighAsTheAreaStays", 20, 20, 300, 740, {20, 20, 320, 760}},
        {"HugeShrinksAndComesIn", 20, 20, 100000, INT32_MAX, {0, 0, 1024, 740}},
        {"FarCornersWithoutOverflow", INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, {0, 0, 1024, 740}},
    };
    for (const auto& r : rows) EXPECT_EQ(UsableFloatRect(r.x, r.y, r.width, r.height, kWorkArea), r.shown) << r.name;
}

TEST(UsableBarWidthTest, WidthsNoRunStoresGiveTheDefault)
{
    EXPECT_TRUE(UsableBarWidth(31, 1024) == 31u && UsableBarWidth(1024, 1024) == 1024u);
    for (uint32_t stored : {0u, 30u, 1025u, 0xFFFFFFFFu}) EXPECT_EQ(UsableBarWidth(stored, 1024), 200u) << stored;
    EXPECT_EQ(UsableBarWidth(0, 150), 150u) << "never wider than the screen";
}

// The hide time as typed: its leading number, whatever follows, never beyond 32 bits.
TEST(ParseHideTimeTest, LeadingNumber)
{
    const struct { const wchar_t* typed; int32_t value; } rows[] = {
        {L"250abc", 250}, {L" \t+75ms", 75}, {L"-40", -40}, {L"- 5", 0}, {L"+-5", 0},
        {L"\xFF11\xFF12", 0},   // full-width digits are not digits here
        {L"2147483647", 2147483647}, {L"2147483648", 2147483647},
        {L"-2147483648", -2147483647 - 1}, {L"-99999999999999999999", -2147483647 - 1}, {L" ", 0}, {L"", 0},
    };
    for (const auto& r : rows) {   // in a buffer of its own size: nothing past the end may be read
        std::vector<wchar_t> exact(r.typed, r.typed + wcslen(r.typed));
        EXPECT_EQ(ParseHideTime({exact.data(), exact.size()}), r.value) << r.typed;
    }
}

}  // namespace
