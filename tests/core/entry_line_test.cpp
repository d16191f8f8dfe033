// Tests of how an entry line splits into title and URL: the folder test on the last byte comes
// first, then the first comma found stepping over double-byte characters.
#include <gtest/gtest.h>

#include "core/entry_line.h"

namespace {

struct SplitCase {
    const char* name;
    std::string_view line, title, url;
    bool folder;
};

class LineSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitTest, TitleAndUrl)
{
    const SplitCase& c = GetParam();
    EXPECT_EQ(IsFolderLine(c.line), c.folder);
    EXPECT_EQ(LineTitle(c.line), c.title);
    EXPECT_EQ(LineUrl(c.line), c.url);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineSplitTest, ::testing::Values(
    SplitCase{"SplitsAtFirstComma", "0Mail, news,http://x", "Mail", " news,http://x", false},
    SplitCase{"FolderKeepsCommaInTitle", "1a,b\\", "a,b", "", true},
    SplitCase{"UrlEndingInBackslashIsFolder", "0T,http://x/\\", "T,http://x/", "", true},
    // The last byte decides, even when it is the trail byte of 表.
    SplitCase{"TrailBackslashAtEndIsFolder", "0\x95\x5c", "\x95", "", true},
    SplitCase{"HyoBeforeComma", "0\x95\x5c,http://x", "\x95\x5c", "http://x", false},
    SplitCase{"SoInUrl", "2a,http://x/\x83\x5c" "a", "a", "http://x/\x83\x5c" "a", false},
    SplitCase{"CommaAfterLeadIsTrail", "0\x83,a,u", "\x83,a", "u", false},
    SplitCase{"EmptyTitle", "0,u", "", "u", false},
    SplitCase{"EmptyUrl", "0t,", "t", "", false},
    SplitCase{"NoCommaNoFolder", "0Title", "Title", "", false},
    SplitCase{"DepthCharOnly", "0", "", "", false},
    SplitCase{"EmptyFolderTitle", "0\\", "", "", true},
    SplitCase{"BelowDepthNine", ":deep,u", "deep", "u", false},
    SplitCase{"EmptyLine", "", "", "", false}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

}  // namespace
