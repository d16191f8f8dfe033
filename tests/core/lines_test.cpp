// Tests of the line list: the subtree rule, re-basing, the title search by depth and the
// 65,535-line bound.
#include <gtest/gtest.h>

#include "core/line_search.h"
#include "core/lines.h"

namespace {

// Book A holds a URL and group B, which holds a URL; book D is empty.
LineList FiveLines() { return {{"0A\\", "1u,http://u", "1B\\", "2v,http://v", "0D\\"}}; }

struct SubtreeCase { size_t index, end; };

class SubtreeEndTest : public ::testing::TestWithParam<SubtreeCase> {};

TEST_P(SubtreeEndTest, FiveLineList)
{
    EXPECT_EQ(SubtreeEnd(FiveLines(), GetParam().index), GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(Subtrees, SubtreeEndTest, ::testing::Values(
    SubtreeCase{0, 4},    // A: lines 1..3
    SubtreeCase{1, 2},    // the URL: none
    SubtreeCase{2, 4},    // B: line 3
    SubtreeCase{3, 4},
    SubtreeCase{4, 5}));  // D: none

TEST(SubtreeEnd, EmptyLineEndsTheRun)
{
    LineList list{{"0A\\", "1u,x", "", "1v,y"}};
    EXPECT_EQ(SubtreeEnd(list, 0), 2u);
}

TEST(SubtreeEnd, LinesBelowDepthNineBelongToTheSubtree)
{
    LineList list{{"8a\\", "9b\\", ":c\\", ";d,u", "9e,u", "8f,u"}};
    EXPECT_EQ(SubtreeEnd(list, 0), 5u);
    EXPECT_EQ(SubtreeEnd(list, 1), 4u);
    EXPECT_EQ(SubtreeEnd(list, 2), 4u);
}

TEST(RebaseLines, MovesDepthsAndKeepsEmptyLines)
{
    std::vector<std::string> run{"0a\\", "", "1b,u", "9c\\"};
    RebaseLines(run, 1);
    EXPECT_EQ(run, (std::vector<std::string>{"1a\\", "", "2b,u", ":c\\"}));
    RebaseLines(run, -1);
    EXPECT_EQ(run, (std::vector<std::string>{"0a\\", "", "1b,u", "9c\\"}));
}

// Two books holding an entry "x" each, and an "x" one level deeper.
LineList TwoBooks() { return {{"0A\\", "1x,u", "0B\\", "1x,v", "2x,w"}}; }

struct SearchCase {
    const char* name;
    long start;
    char depthChar;
    const char* title;
    long found;
};

class FindLineAtDepthTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(FindLineAtDepthTest, TwoBooks)
{
    const SearchCase& c = GetParam();
    std::string_view want = c.title;
    long found = FindLineAtDepth(TwoBooks(), c.start, static_cast<unsigned char>(c.depthChar),
                                 [want](std::string_view title) { return title == want; });
    EXPECT_EQ(found, c.found);
}

INSTANTIATE_TEST_SUITE_P(Searches, FindLineAtDepthTest, ::testing::Values(
    SearchCase{"WholeListFromMinusOne", -1, '1', "x", 1},
    SearchCase{"InsideSecondBook", 2, '1', "x", 3},
    SearchCase{"StartsAfterStart", 1, '1', "x", 3},
    SearchCase{"WrapsToLineZero", 3, '1', "x", 1},
    SearchCase{"WrapsFromLastLine", 4, '0', "A", 0},
    SearchCase{"IncludesStartLast", 0, '0', "A", 0},
    SearchCase{"OnlyItsDepth", -1, '2', "x", 4},
    SearchCase{"OtherDepthsAreNoCandidates", -1, '0', "x", -1},
    SearchCase{"NoSuchTitle", 2, '1', "y", -1}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(FindLineAtDepth, EmptyListFindsNothing)
{
    EXPECT_EQ(FindLineAtDepth(LineList{}, -1, '0', [](std::string_view) { return true; }), -1);
}

TEST(LineList, RoomUpToTheBound)
{
    LineList list;
    list.lines.resize(kMaxLines - 1);
    EXPECT_TRUE(HasRoomFor(list, 1));
    EXPECT_FALSE(HasRoomFor(list, 2));
    AddLine(list, "0a\\");
    EXPECT_EQ(EntryCount(list), 65535);
    EXPECT_TRUE(HasRoomFor(list, 0));
    EXPECT_FALSE(HasRoomFor(list, 1));
    EXPECT_FALSE(HasRoomFor(LineList{}, static_cast<size_t>(-1)));
}

TEST(LineList, InsertAndDelete)
{
    LineList list{{"0a\\", "0c\\"}};
    InsertLine(list, 2, "0d\\");                  // at the count: appends
    InsertLines(list, 1, {"0b\\", "1b,u"});
    EXPECT_EQ(list.lines, (std::vector<std::string>{"0a\\", "0b\\", "1b,u", "0c\\", "0d\\"}));

    EXPECT_FALSE(DeleteLine(list, 5));
    EXPECT_EQ(LineCount(list), 5u);
    EXPECT_TRUE(DeleteLine(list, 0));
    EXPECT_EQ(*GetLine(list, 0), "0b\\");
    EXPECT_EQ(GetLine(list, 4), nullptr);
    EXPECT_EQ(EntryCount(list), 4);
}

struct ContainCase {
    const char* name;
    const char* text;
    bool fold;
    size_t from;
    long found;
};

class FindLineContainingTest : public ::testing::TestWithParam<ContainCase> {};

// Book Work with a URL in upper case, a Group whose title holds a double-byte character with
// the trail byte 'A' (0x83 0x41), and a URL with a comma in its title part.
LineList FindSample() { return {{"0Work\\", "1Docs,http://EXAMPLE.com/ABC", "1\x83\x41rt\\", "2x,http://a"}}; }

TEST_P(FindLineContainingTest, WholeLinesFromTheStart)
{
    const ContainCase& c = GetParam();
    EXPECT_EQ(FindLineContaining(FindSample(), c.from, c.text, c.fold), c.found);
}

INSTANTIATE_TEST_SUITE_P(Texts, FindLineContainingTest, ::testing::Values(
    ContainCase{"DepthCharacter", "1", false, 0, 1},
    ContainCase{"DepthCharacterFromPastTheHit", "2", false, 0, 3},
    ContainCase{"FolderMark", "\\", false, 1, 2},
    ContainCase{"Comma", ",", false, 2, 3},
    ContainCase{"InsideUrlOnly", "example", true, 0, 1},
    ContainCase{"CaseMattersWithoutFolding", "abc", false, 0, -1},
    ContainCase{"FoldedLine", "abc", true, 0, 1},
    ContainCase{"TrailByteIsNotFolded", "\x83\x61", true, 0, -1},
    ContainCase{"NoStartInsideACharacter", "Art", false, 0, -1},
    ContainCase{"EmptyTextIsEverywhere", "", false, 2, 2},
    ContainCase{"PastTheEnd", "", false, 4, -1}),
    [](const ::testing::TestParamInfo<ContainCase>& info) { return std::string(info.param.name); });

}  // namespace
