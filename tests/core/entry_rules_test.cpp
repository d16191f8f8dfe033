// Tests of the entry rules on text that would break the entry's line in the list file.
#include <gtest/gtest.h>

#include <string>

#include "core/entry_rules.h"

namespace {

using namespace std::literals;

// Two characters whose trail byte is 0x5C: 表 and ソ; every other is taken as no character.
bool KnownChars(std::string_view cp932, std::string* utf8)
{
    if (cp932 == "\x95\x5C") *utf8 = "\xE8\xA1\xA8";
    else if (cp932 == "\x83\x5C") *utf8 = "\xE3\x82\xBD";
    else return false;
    return true;
}

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
    EXPECT_EQ(CompleteUrlEntry(title, url, "", "", KnownChars), c.urlEntry);
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

// A URL line whose last byte is 0x5C would read back as a folder line.
struct UrlEndCase {
    const char* typed;
    const char* stored;   // null: refused
};

class UrlEndTest : public ::testing::TestWithParam<UrlEndCase> {};

TEST_P(UrlEndTest, NoStoredUrlEndsInBackslash)
{
    std::string url = GetParam().typed;
    bool storable = MakeUrlStorable(url, KnownChars);
    EXPECT_EQ(storable, GetParam().stored != nullptr);
    EXPECT_EQ(url, storable ? GetParam().stored : GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(Urls, UrlEndTest, ::testing::Values(
    UrlEndCase{"http://a/b\\", "http://a/b/"},
    UrlEndCase{"HTTPS://a\\\\", "HTTPS://a\\/"},
    UrlEndCase{"http://a/\x95\x5C", "http://a/%E8%A1%A8"},
    UrlEndCase{"https://\x95\x5C\x83\x5C", "https://\x95\x5C%E3%82%BD"},
    UrlEndCase{"http://a/\x95\x5C\\", "http://a/\x95\x5C/"},
    UrlEndCase{"http://a/\x85\x5C", nullptr},           // bytes that stand for no character
    UrlEndCase{"C:\\dir\\\\", "C:\\dir"},
    UrlEndCase{"c:/dir\\", "c:/dir"},
    UrlEndCase{"\\\\server\\share\\", "\\\\server\\share"},
    UrlEndCase{"C:\\", nullptr},                        // "C:" would be the drive's current folder
    UrlEndCase{"\\\\\\", nullptr},
    UrlEndCase{"C:\\\x95\x5C\\", nullptr},          // dropping the backslash leaves 0x5C last
    UrlEndCase{"C:\\\x95\x5C", nullptr},
    UrlEndCase{"ftp://a/b\\", nullptr},
    UrlEndCase{"a\x95\x5C", nullptr},
    UrlEndCase{"http://a/\x95\x5C" "b", "http://a/\x95\x5C" "b"},
    UrlEndCase{"http://a\x83", "http://a\x83"}));

TEST(CompleteUrlEntryTest, StoredUrlIsMadeStorableAfterThePrefixAndThenFitsItsField)
{
    std::string title, url = "a/\x95\x5C";
    EXPECT_EQ(CompleteUrlEntry(title, url, "", "", KnownChars), EntryProblem::None);
    EXPECT_EQ(title, "a/\x95\x5C");   // the title is the URL as typed
    EXPECT_EQ(url, "http://a/%E8%A1%A8");
    title = "t", url = "ftp://a\\";
    EXPECT_EQ(CompleteUrlEntry(title, url, "", "", KnownChars), EntryProblem::UrlEndsInBackslash);
    title = "t", url = std::string(246, 'u') + "\x95\x5C";   // 255 bytes with "http://", 262 encoded
    EXPECT_EQ(CompleteUrlEntry(title, url, "", "", KnownChars), EntryProblem::UrlTooLong);
}

TEST(OneLineTextTest, LineEndsAndNulBecomeBlanksInPlace)
{
    EXPECT_EQ(OneLineText("a\r\nb\0c"s), "a  b c");
    EXPECT_EQ(OneLineText("\x83\n"), "\x83 ");   // the length, and so every character start, stays
    EXPECT_EQ(OneLineText(""), "");
}

}  // namespace
