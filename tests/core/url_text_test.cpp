// Tests of what a browser is handed: file URLs for local paths, the DDE open item, and the
// URL as exactly one command-line argument.
#include <gtest/gtest.h>

#include <string>

#include "browser/url_text.h"

namespace {

struct FileUrlCase {
    const char* name;
    std::string text, url;
};

class MakeFileUrlTest : public ::testing::TestWithParam<FileUrlCase> {};

TEST_P(MakeFileUrlTest, RewritesOnlyDrivePaths)
{
    EXPECT_EQ(MakeFileUrl(GetParam().text), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(Paths, MakeFileUrlTest, ::testing::Values(
    FileUrlCase{"DrivePath", "C:\\web\\a.htm", "file:///C|/web/a.htm"},
    FileUrlCase{"SlashedDrivePath", "c:/x", "file:///c|/x"},
    FileUrlCase{"DriveRoot", "C:\\", "file:///C|/"},
    FileUrlCase{"DriveAlone", "C:", "C:"},
    FileUrlCase{"DriveRelative", "C:x\\y", "C:x\\y"},
    FileUrlCase{"SharePathKeepsBackslashes", "\\\\server\\share\\x", "\\\\server\\share\\x"},
    FileUrlCase{"WebUrl", "http://a/b", "http://a/b"},
    // 0x95 0x5C is one character; its second byte stays.
    FileUrlCase{"DoubleByteWithBackslashTrail", "C:\\\x95\x5c\\a", "file:///C|/\x95\x5c/a"},
    // A lead byte takes the colon as its trail byte: no drive there.
    FileUrlCase{"LeadByteBeforeColon", "\x9c:\\w", "\x9c:\\w"},
    FileUrlCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<FileUrlCase>& info) { return info.param.name; });

TEST(FormatOpenUrlItemTest, QuotesTheUrlAndNamesTheLastWindow)
{
    std::string item;
    ASSERT_TRUE(FormatOpenUrlItem("tle,xyz", &item));
    EXPECT_EQ(item, "\"tle,xyz\",,0xFFFFFFFF");
    ASSERT_TRUE(FormatOpenUrlItem("http://a/x\",,1", &item));   // a quote cannot end the argument
    EXPECT_EQ(item, "\"http://a/x%22,,1\",,0xFFFFFFFF");
}

TEST(FormatOpenUrlItemTest, LeadByteAtTheEndCannotTakeTheClosingQuote)
{
    std::string item;
    ASSERT_TRUE(FormatOpenUrlItem("http://a/\x83", &item));
    EXPECT_EQ(item, "\"http://a/%83\",,0xFFFFFFFF");
}

TEST(FormatOpenUrlItemTest, RefusesAUrlTheItemCannotCarry)
{
    std::string item = "unchanged";
    EXPECT_TRUE(FormatOpenUrlItem(std::string(241, 'u'), &item));
    EXPECT_EQ(item.size(), kMaxDdeItemBytes);
    item = "unchanged";
    EXPECT_FALSE(FormatOpenUrlItem(std::string(242, 'u'), &item));
    EXPECT_FALSE(FormatOpenUrlItem(std::string(81, '"'), &item));   // too long once encoded
    EXPECT_EQ(item, "unchanged");
}

struct ArgumentCase {
    const char* name;
    std::string url, argument;
};

class EncodeUrlArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(EncodeUrlArgumentTest, LeavesNothingThatSplitsArguments)
{
    EXPECT_EQ(EncodeUrlArgument(GetParam().url), GetParam().argument);
}

INSTANTIATE_TEST_SUITE_P(Urls, EncodeUrlArgumentTest, ::testing::Values(
    ArgumentCase{"Plain", "http://a/b?c=d&e=%41", "http://a/b?c=d&e=%41"},
    ArgumentCase{"Blanks", "http://a/b c", "http://a/b%20c"},
    ArgumentCase{"InjectedSwitch", "http://a/\" -new \"x", "http://a/%22%20-new%20%22x"},
    ArgumentCase{"TabAndControl", "a\tb\x01", "a%09b%01"},
    ArgumentCase{"TrailingBackslash", "C:\\dir\\", "C:\\dir\\"},
    ArgumentCase{"FileUrlBar", "file:///C|/a b.htm", "file:///C|/a%20b.htm"},
    ArgumentCase{"DoubleByteKept", "http://a/\x95\x5c", "http://a/\x95\x5c"},
    // A lead byte before a byte that is no trail byte is no character: it could take the quote
    // or blank after it for its own, or leave them standing, depending on the reader.
    ArgumentCase{"LeadByteBeforeQuote", "http:?//ab c?\"\x89\"\t\x7f", "http:?//ab%20c?%22%89%22%09%7F"},
    ArgumentCase{"LeadByteBeforeBlank", "a\x83 -x", "a%83%20-x"},
    ArgumentCase{"LeadByteAtTheEnd", "a\x83", "a%83"}),
    [](const ::testing::TestParamInfo<ArgumentCase>& info) { return info.param.name; });

}  // namespace
