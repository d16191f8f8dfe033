// Tests of the clipboard's line work: which lines a copy or cut takes, how their depths are
// made relative, and the lines a paste inserts.
#include <gtest/gtest.h>

#include <set>

#include "core/clip_lines.h"

namespace {

using Lines = std::vector<std::string>;

// Book A: URL a1, Group G (URL g1, Group H with URL h1); Book B: URL b1; an empty line; a
// line after the gap.
LineList Sample()
{
    return {{"0A\\", "1a1,http://a", "1G\\", "2g1,http://g", "2H\\", "3h1,http://h", "0B\\", "1b1,http://b", "",
             "0C\\"}};
}

struct TakeCase {
    const char* name;
    bool level;
    long at;   // the entry's line, or the level's parent line (kTopLevel)
    Lines clip;
    bool stopsAtGap = false;   // the tree shows the line after the gap among the range's items
};

class ClipLinesTest : public ::testing::TestWithParam<TakeCase> {};

TEST_P(ClipLinesTest, CopyAndCutTakeTheSameRelativeLines)
{
    const TakeCase& c = GetParam();
    LineList list = Sample();
    LineRange range = c.level ? LevelRange(list, c.at) : EntryRange(list, static_cast<size_t>(c.at));
    unsigned char top = c.level ? LevelTopDepth(list, c.at) : EntryTopDepth(list, static_cast<size_t>(c.at));
    EXPECT_EQ(ClipLinesOf(list, range, top), c.clip);
    EXPECT_EQ(StopsAtGap(list, range), c.stopsAtGap);
    EXPECT_EQ(list.lines, Sample().lines) << "a copy leaves the list alone";

    Lines cut = CutClipLines(list, range, top);
    EXPECT_EQ(cut, c.clip);
    Lines rest = Sample().lines;
    rest.erase(rest.begin() + static_cast<long>(range.first), rest.begin() + static_cast<long>(range.end));
    EXPECT_EQ(list.lines, rest);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ClipLinesTest, ::testing::Values(
    TakeCase{"GroupAtDepthOneWithItsSubtree", false, 2, {"0G\\", "1g1,http://g", "1H\\", "2h1,http://h"}},
    TakeCase{"GroupAtDepthTwo", false, 4, {"0H\\", "1h1,http://h"}},
    TakeCase{"UrlAlone", false, 1, {"0a1,http://a"}},
    TakeCase{"BookUpToTheGap", false, 6, {"0B\\", "1b1,http://b"}, true},
    TakeCase{"LastLineOfTheList", false, 9, {"0C\\"}},
    TakeCase{"LevelBelowAGroup", true, 2, {"0g1,http://g", "0H\\", "1h1,http://h"}},
    TakeCase{"LevelBelowABook", true, 0, {"0a1,http://a", "0G\\", "1g1,http://g", "1H\\", "2h1,http://h"}},
    TakeCase{"TopLevelStopsAtTheGap", true, kTopLevel,
             {"0A\\", "1a1,http://a", "1G\\", "2g1,http://g", "2H\\", "3h1,http://h", "0B\\", "1b1,http://b"}, true}),
    [](const ::testing::TestParamInfo<TakeCase>& info) { return std::string(info.param.name); });

// A claim over a set of taken titles, as the tree's children give them.
struct Taken {
    std::set<std::string> titles;
    bool operator()(const std::string& t) { return titles.insert(t).second; }
};

TEST(MakePasteLines, TopEntriesOfOnePasteNeverShareATitle)
{
    Taken taken{{"T"}};
    auto lines = MakePasteLines({"0T,http://1", "0T,http://2", "1in,u", "0T\\", "0T(2),http://3"}, 0, std::ref(taken));
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (Lines{"0T(2),http://1", "0T(3),http://2", "1in,u", "0T(4)\\", "0T(2)(2),http://3"}));
}

TEST(MakePasteLines, TitlesAreSplitAsTheTreeShowsThem)
{
    Taken taken{{"Folder, comma", "Mail", "bare", "\x95\x5c"}};
    auto lines = MakePasteLines({"0Folder, comma\\", "1in,u", "0Mail, news,http://m", "0bare", "0\x95\x5c,u"}, 10,
                                std::ref(taken));
    ASSERT_TRUE(lines);
    // Into a folder at depth 9. A folder keeps its comma; a URL's title ends at its first comma; a line outside the
    // format keeps its form; a double-byte character ending in 0x5C is no folder mark.
    EXPECT_EQ(*lines, (Lines{":Folder, comma(2)\\", ";in,u", ":Mail(2), news,http://m", ":bare(2)", ":\x95\x5c(2),u"}));
}

TEST(MakePasteLines, RefusesDepthsPastTheLastByte)
{
    Taken taken;
    EXPECT_FALSE(MakePasteLines({"0a\\", std::string(1, '\xf6') + "b,u"}, 10, std::ref(taken)));
    EXPECT_TRUE(MakePasteLines({"0a\\", std::string(1, '\xf5') + "b,u"}, 10, std::ref(taken)));
}

}  // namespace
