// The bar's rectangles on a 1024 x 768 primary screen with a taskbar 28 pixels high (work
// area 0, 0, 1024, 740) and a bar 200 wide: where it stands shown and hidden, what a drag
// shows, what the end of a move decides, and when the pointer reaches the hidden strip. Other
// monitors lie left of 0 and from 1024 on.
#include <gtest/gtest.h>

#include "core/bar_geometry.h"

void PrintTo(const BarRect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr BarRect kScreen{0, 0, 1024, 768};
constexpr BarRect kWorkArea{0, 0, 1024, 740};
constexpr int32_t kBarWidth = 200;

struct PlaceCase {
    const char* name;
    BarRect taskbar;   // what the query for the taskbar returned (all 0 when it failed)
    uint32_t edge;
    BarRect shown, hidden;   // under auto-hide
    BarRect service = kScreen;   // what the desktop-bar service returned for the whole screen
};

class BarPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(BarPlaceTest, AutoHideKeepsClearOfTheTaskbarARegisteredBarStandsWhereTheServicePutIt)
{
    const PlaceCase& c = GetParam();
    const Taskbar taskbar = TaskbarFrom(c.taskbar, kScreen);
    const BarRect placed = NarrowToEdge(c.service, c.edge, kBarWidth);
    const BarRect shown = DockedWindowRect(placed, c.edge, 1, taskbar, kScreen);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(HiddenStrip(shown, c.edge), c.hidden);
    EXPECT_EQ(DockedWindowRect(placed, c.edge, 0, taskbar, kScreen), placed);
}

constexpr BarRect kBottomTaskbar{0, 740, 1024, 768};
constexpr BarRect kTopTaskbar{0, 0, 1024, 28};
constexpr BarRect kLeftTaskbar{0, 0, 60, 768};
constexpr BarRect kRightTaskbar{964, 0, 1024, 768};

INSTANTIATE_TEST_SUITE_P(Taskbars, BarPlaceTest, ::testing::Values(
    PlaceCase{"BottomLeft", kBottomTaskbar, kEdgeLeft, {0, 0, 200, 742}, {-4, 0, -2, 742}},
    PlaceCase{"BottomRight", kBottomTaskbar, kEdgeRight, {824, 0, 1024, 742}, {1023, 0, 1025, 742}},
    PlaceCase{"BottomHiddenLeft", {0, 766, 1024, 794}, kEdgeLeft, {0, 0, 200, 742}, {-4, 0, -2, 742}},
    PlaceCase{"TopLeft", kTopTaskbar, kEdgeLeft, {0, 26, 200, 768}, {-4, 26, -2, 768}},
    PlaceCase{"TopRight", kTopTaskbar, kEdgeRight, {824, 26, 1024, 768}, {1023, 26, 1025, 768}},
    PlaceCase{"TopHiddenRight", {0, -26, 1024, 2}, kEdgeRight, {824, 26, 1024, 768}, {1023, 26, 1025, 768}},
    PlaceCase{"LeftLeft", kLeftTaskbar, kEdgeLeft, {60, 0, 260, 768}, {56, 0, 58, 768}},
    PlaceCase{"LeftRight", kLeftTaskbar, kEdgeRight, {824, 0, 1024, 768}, {1023, 0, 1025, 768}},
    PlaceCase{"LeftHiddenLeft", {-58, 0, 2, 768}, kEdgeLeft, {60, 0, 260, 768}, {56, 0, 58, 768}},
    PlaceCase{"RightLeft", kRightTaskbar, kEdgeLeft, {0, 0, 200, 768}, {-4, 0, -2, 768}},
    PlaceCase{"RightRight", kRightTaskbar, kEdgeRight, {764, 0, 964, 768}, {963, 0, 965, 768}},
    PlaceCase{"RightHiddenRight", {1022, 0, 1082, 768}, kEdgeRight, {764, 0, 964, 768}, {963, 0, 965, 768}},
    PlaceCase{"NoneLeft", {}, kEdgeLeft, {0, 0, 200, 768}, {-4, 0, -2, 768}},
    PlaceCase{"NoneRight", {}, kEdgeRight, {824, 0, 1024, 768}, {1023, 0, 1025, 768}},
    PlaceCase{"WholeScreenIsNone", kScreen, kEdgeRight, {824, 0, 1024, 768}, {1023, 0, 1025, 768}},
    PlaceCase{"OnAnotherMonitorIsNone", {1024, 740, 2048, 768}, kEdgeLeft, {0, 0, 200, 768}, {-4, 0, -2, 768}},
    PlaceCase{"FarOutIsNone", {INT32_MIN, 0, 1000, 768}, kEdgeLeft, {0, 0, 200, 768}, {-4, 0, -2, 768}},
    // Another bar holds the left 150 pixels: the service moved the rectangle's left edge.
    PlaceCase{"BesideAnotherBar", kBottomTaskbar, kEdgeLeft, {150, 0, 350, 742}, {146, 0, 148, 742},
              {150, 0, 1024, 768}},
    PlaceCase{"ServiceAlreadyBesideTheTaskbar", kLeftTaskbar, kEdgeLeft, {60, 0, 260, 768}, {56, 0, 58, 768},
              {60, 0, 1024, 768}},
    PlaceCase{"UnknownEdgeIsNotNarrowed", kBottomTaskbar, 5, {0, 0, 1024, 742}, {0, 0, 1024, 742}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShapeCase {
    int32_t x;
    BarRect shape;
};

class DragShapeTest : public ::testing::TestWithParam<ShapeCase> {};

// Grabbed 80 right of and 20 below the corner of a 200 x 600 window at (20, 20).
TEST_P(DragShapeTest, BarInTheEdgeZonesHeldRectangleElsewhere)
{
    DragGrip grip = GripOf({20, 20, 220, 620}, 100, 40);
    EXPECT_EQ(DragShape(GetParam().x, 300, kWorkArea, kScreen.right, kBarWidth, grip), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(ZoneBorders, DragShapeTest, ::testing::Values(
    ShapeCase{-1, {-81, 280, 119, 880}},   // on a monitor at the left
    ShapeCase{-600, {-680, 280, -480, 880}},
    ShapeCase{0, {0, 0, 200, 740}},
    ShapeCase{2, {0, 0, 200, 740}},
    ShapeCase{3, {-77, 280, 123, 880}},
    ShapeCase{500, {420, 280, 620, 880}},
    ShapeCase{1021, {941, 280, 1141, 880}},
    ShapeCase{1022, {824, 0, 1024, 740}},
    ShapeCase{1023, {824, 0, 1024, 740}},
    ShapeCase{1024, {944, 280, 1144, 880}},   // on a monitor at the right
    ShapeCase{1500, {1420, 280, 1620, 880}}));

TEST(DragShapeTest, RightZoneFollowsTheWorkArea)
{
    constexpr BarRect besideRightBar{0, 0, 824, 740};   // a registered right bar holds the rest
    EXPECT_EQ(EdgeZoneAt(821, besideRightBar, kScreen.right), EdgeZone::None);
    EXPECT_EQ(EdgeZoneAt(822, besideRightBar, kScreen.right), EdgeZone::Right);
    EXPECT_EQ(EdgeZoneAt(1023, besideRightBar, kScreen.right), EdgeZone::Right);
    EXPECT_EQ(EdgeZoneAt(1024, besideRightBar, kScreen.right), EdgeZone::None);
    EXPECT_EQ(DragShape(900, 300, besideRightBar, kScreen.right, kBarWidth, {}), (BarRect{624, 0, 824, 740}));
}

struct MoveEndCase {
    const char* name;
    int32_t x;
    BarRect workArea;
    bool floating, moved;   // moved: the window took at least one drag shape
    MoveEnd end;
};

class MoveEndTest : public ::testing::TestWithParam<MoveEndCase> {};

TEST_P(MoveEndTest, Decides)
{
    const MoveEndCase& c = GetParam();
    EXPECT_EQ(DecideMoveEnd(c.x, c.workArea, kScreen.right, c.floating, c.moved), c.end);
}

constexpr BarRect kBesideRegisteredRightBar{0, 0, 824, 740};

INSTANTIATE_TEST_SUITE_P(Moves, MoveEndTest, ::testing::Values(
    MoveEndCase{"FloatingToLeftZone", 2, kWorkArea, true, true, MoveEnd::DockLeft},
    MoveEndCase{"FloatingElsewhere", 3, kWorkArea, true, true, MoveEnd::Stay},
    MoveEndCase{"FloatingResizedIntoLeftZone", 1, kWorkArea, true, false, MoveEnd::DockLeft},
    MoveEndCase{"FloatingOntoLeftMonitor", -1, kWorkArea, true, true, MoveEnd::Stay},
    MoveEndCase{"FloatingOntoRightMonitor", 1024, kWorkArea, true, true, MoveEnd::Stay},
    MoveEndCase{"BarDraggedAway", 400, kWorkArea, false, true, MoveEnd::Undock},
    MoveEndCase{"BarDraggedOntoRightMonitor", 1300, kBesideRegisteredRightBar, false, true, MoveEnd::Undock},
    MoveEndCase{"BarDraggedOntoLeftMonitor", -2, kWorkArea, false, true, MoveEnd::Undock},
    // Pressed and released without a move, or resized by the frame, away from the zones.
    MoveEndCase{"BarClicked", 900, kWorkArea, false, false, MoveEnd::Stay},
    MoveEndCase{"BarResizedByItsFrame", 700, kWorkArea, false, false, MoveEnd::Stay},
    // A registered right bar is left out of the work area: released over it, it stays right.
    MoveEndCase{"OverRegisteredRightBar", 900, kBesideRegisteredRightBar, false, true, MoveEnd::DockRight},
    MoveEndCase{"RegisteredRightBarClicked", 1000, kBesideRegisteredRightBar, false, false, MoveEnd::DockRight},
    MoveEndCase{"LeftBarClickedAtItsEdge", 1, kWorkArea, false, false, MoveEnd::DockLeft}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReachCase {
    const char* name;
    BarRect hidden;
    uint32_t edge;
    int32_t x, y;
    bool reaches;
};

class HiddenBarReachTest : public ::testing::TestWithParam<ReachCase> {};

TEST_P(HiddenBarReachTest, PointerAtTheStripOrTheScreenEdgeBesideIt)
{
    const ReachCase& c = GetParam();
    EXPECT_EQ(ReachesHiddenBar(c.hidden, c.edge, 1024, c.x, c.y), c.reaches);
}

constexpr BarRect kLeftStrip{-4, 0, -2, 742};
constexpr BarRect kRightStrip{1023, 0, 1025, 742};

INSTANTIATE_TEST_SUITE_P(Strips, HiddenBarReachTest, ::testing::Values(
    ReachCase{"LeftScreenEdge", kLeftStrip, kEdgeLeft, 0, 300, true},
    ReachCase{"LeftSecondColumn", kLeftStrip, kEdgeLeft, 1, 300, false},
    ReachCase{"LeftBelowTheBar", kLeftStrip, kEdgeLeft, 0, 742, false},
    ReachCase{"LeftMonitorsLastColumn", kLeftStrip, kEdgeLeft, -1, 300, false},
    ReachCase{"LeftMonitor", kLeftStrip, kEdgeLeft, -800, 300, false},
    ReachCase{"RightScreenEdge", kRightStrip, kEdgeRight, 1023, 300, true},
    ReachCase{"RightBesideTheStrip", kRightStrip, kEdgeRight, 1022, 300, false},
    ReachCase{"RightStripsOuterColumn", kRightStrip, kEdgeRight, 1024, 300, true},
    ReachCase{"RightMonitor", kRightStrip, kEdgeRight, 1025, 300, false},
    ReachCase{"RightMonitorFarOut", kRightStrip, kEdgeRight, 1900, 300, false},
    ReachCase{"LeftEdgeIsNotTheRightBars", kRightStrip, kEdgeRight, 0, 300, false},
    ReachCase{"UnknownEdgeOnlyInside", {0, 0, 1024, 742}, 5, 500, 300, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShownRectTest, AllFourBoundsCount)
{
    constexpr BarRect shown{0, 0, 200, 742};
    EXPECT_TRUE(ContainsInclusive(shown, 200, 742));
    EXPECT_TRUE(ContainsInclusive(shown, 0, 0));
    EXPECT_FALSE(ContainsInclusive(shown, 201, 300));
    EXPECT_FALSE(ContainsInclusive(shown, 100, 743));
}

struct FloatCase {
    const char* name;
    int32_t x, y, width, height;
    BarRect shown;
};

class UsableFloatRectTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(UsableFloatRectTest, KeepsWhatCanBeUsedAndBringsTheRestOnTheScreen)
{
    const FloatCase& c = GetParam();
    EXPECT_EQ(UsableFloatRect(c.x, c.y, c.width, c.height, kWorkArea), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Stored, UsableFloatRectTest, ::testing::Values(
    FloatCase{"Default", 20, 20, 0, 0, {20, 20, 220, 620}},
    FloatCase{"AsStored", 100, 50, 300, 400, {100, 50, 400, 450}},
    FloatCase{"PartlyBelowTheAreaStays", 390, 295, 300, 500, {390, 295, 690, 795}},
    FloatCase{"PartlyLeftStays", -250, 100, 300, 300, {-250, 100, 50, 400}},
    FloatCase{"TooLittleAcrossComesIn", -270, 100, 300, 300, {0, 100, 300, 400}},
    FloatCase{"RightOfTheArea", 1030, 100, 300, 300, {724, 100, 1024, 400}},
    FloatCase{"TopAboveTheArea", 100, -1, 300, 300, {100, 0, 400, 300}},
    FloatCase{"TopTooLowToGrab", 100, 701, 300, 300, {100, 440, 400, 740}},
    FloatCase{"NegativeSizeIsNoSize", 20, 20, -1, 300, {20, 20, 220, 620}},
    FloatCase{"TinyGrows", 20, 20, 1, 2, {20, 20, 120, 120}},
    FloatCase{"HugeShrinksAndComesIn", 20, 20, 100000, INT32_MAX, {0, 0, 1024, 740}},
    FloatCase{"FarCornersWithoutOverflow", INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, {0, 0, 1024, 740}},
    FloatCase{"FarRightBelow", INT32_MAX, INT32_MAX, 200, 600, {824, 140, 1024, 740}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UsableBarWidthTest, WidthsNoRunStoresGiveTheDefault)
{
    EXPECT_EQ(UsableBarWidth(31, 1024), 31u);
    EXPECT_EQ(UsableBarWidth(1024, 1024), 1024u);
    for (uint32_t stored : {0u, 30u, 1025u, 100000u, 0x80000000u, 0xFFFFFFFFu})
        EXPECT_EQ(UsableBarWidth(stored, 1024), 200u) << stored;
    EXPECT_EQ(UsableBarWidth(0, 150), 150u) << "never wider than the screen";
}

}  // namespace
