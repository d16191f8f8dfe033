// Tests of the entry rules on text that would break the entry's line in the list file.
#include <gtest/gtest.h>

#include <string>

#include "edit/entry_rules.h"

namespace {

using namespace std::literals;

struct LineBreakCase {
    const char* name;
    std::string title, url;
    EntryProblem urlEntry, folder;
};

class LineBreakTest : public ::testing::TestWithParam<LineBreakCase> {};

TEST_P(LineBreakTest, IsRefused)
{
    const LineBreakCase& c = GetParam();
    std::string title = c.title, url = c.url;
    EXPECT_EQ(CompleteUrlEntry(title, url, "", ""), c.urlEntry);
    EXPECT_EQ(CheckFolderTitle(c.title, ""), c.folder);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineBreakTest, ::testing::Values(
    LineBreakCase{"CrLfInTitle", "a\r\nb", "http://x", EntryProblem::TitleHasLineBreak, EntryProblem::TitleHasLineBreak},
    LineBreakCase{"LfInUrl", "t", "http://x/\ny", EntryProblem::UrlHasLineBreak, EntryProblem::None},
    LineBreakCase{"CrAsTrailByte", "\x83\r", "http://x", EntryProblem::TitleHasLineBreak, EntryProblem::TitleHasLineBreak},
    LineBreakCase{"NulInTitle", "a\0b"s, "http://x", EntryProblem::TitleHasLineBreak, EntryProblem::TitleHasLineBreak},
    // An empty title would take the URL with its line break.
    LineBreakCase{"EmptyTitleFromBrokenUrl", "", "http://x/\r", EntryProblem::UrlHasLineBreak, EntryProblem::EmptyTitle},
    LineBreakCase{"OneLine", "t", "http://x", EntryProblem::None, EntryProblem::None}),
    [](const ::testing::TestParamInfo<LineBreakCase>& info) { return std::string(info.param.name); });

TEST(OneLineTextTest, LineEndsAndNulBecomeBlanksInPlace)
{
    EXPECT_EQ(OneLineText("a\r\nb\0c"s), "a  b c");
    EXPECT_EQ(OneLineText("\x83\n"), "\x83 ");   // the length, and so every character start, stays
    EXPECT_EQ(OneLineText(""), "");
}

}  // namespace
