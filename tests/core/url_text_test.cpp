// Tests of what a browser is handed: file URLs for local paths, the DDE open item, the URL as
// exactly one command-line argument, and URLs refused as switches.
#include <gtest/gtest.h>

#include <string>

#include "core/url_text.h"

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

class QuoteUrlArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(QuoteUrlArgumentTest, QuotesTheUrlAsOneArgument)
{
    EXPECT_EQ(QuoteUrlArgument(GetParam().url), GetParam().argument);
}

INSTANTIATE_TEST_SUITE_P(Urls, QuoteUrlArgumentTest, ::testing::Values(
    ArgumentCase{"Plain", "http://a/b?c=d&e=%41", "\"http://a/b?c=d&e=%41\""},
    ArgumentCase{"BlanksStay", "C:\\My Docs\\a.htm", "\"C:\\My Docs\\a.htm\""},
    ArgumentCase{"FileUrlBlank", "file:///C|/a b.htm", "\"file:///C|/a b.htm\""},
    ArgumentCase{"InjectedSwitch", "http://a/\" -new \"x", "\"http://a/%22 -new %22x\""},
    ArgumentCase{"Controls", "a\tb\x01\x7f", "\"a%09b%01%7F\""},
    // A run of backslashes before a quote is halved, one before a quote escapes it.
    ArgumentCase{"EndingBackslashDoubled", "C:\\dir\\", "\"C:\\dir\\\\\""},
    ArgumentCase{"EndingBackslashesDoubled", "\\\\s\\a b\\\\", "\"\\\\s\\a b\\\\\\\\\""},
    // ソ is 0x83 0x5C: no backslash, whatever its second byte.
    ArgumentCase{"DoubleByteEndingIn5C", "http://a/\x83\x5c", "\"http://a/\x83\x5c\""},
    ArgumentCase{"BackslashAfterDoubleByte", "C:\\\x95\x5c\\", "\"C:\\\x95\x5c\\\\\""},
    // A lead byte before a byte that is no trail byte is no character: it could take the quote
    // after it for its own, or leave it standing, depending on the reader.
    ArgumentCase{"LeadByteBeforeQuote", "http:?//ab c?\"\x89\"\t", "\"http:?//ab c?%22%89%22%09\""},
    ArgumentCase{"LeadByteBeforeBlank", "a\x83 -x", "\"a%83 -x\""},
    ArgumentCase{"LeadByteAtTheEnd", "a\x83", "\"a%83\""}),
    [](const ::testing::TestParamInfo<ArgumentCase>& info) { return info.param.name; });

struct SwitchCase {
    const char* name;
    std::string url;
    bool refused;
};

class StartsLikeSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(StartsLikeSwitchTest, RefusesWhatABrowserReadsAsASwitch)
{
    EXPECT_EQ(StartsLikeSwitch(GetParam().url), GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(Urls, StartsLikeSwitchTest, ::testing::Values(
    SwitchCase{"Dash", "-new", true},
    SwitchCase{"DoubleDash", "--user-data-dir=C:\\x", true},
    SwitchCase{"Slash", "/nohome", true},
    SwitchCase{"SlashedShare", "//server/share", true},
    SwitchCase{"AfterBlanks", "  -x", true},
    SwitchCase{"AfterControls", "\t\r\n/x", true},
    SwitchCase{"AfterWideBlank", "\x81\x40-x", true},
    SwitchCase{"DrivePath", "C:\\x", false},
    SwitchCase{"SlashedDrivePath", "C:/x", false},
    SwitchCase{"SharePath", "\\\\server\\x", false},
    SwitchCase{"DashInside", "http://a/-x a -b", false},
    SwitchCase{"EncodedDash", "%2Dx", false},
    SwitchCase{"LoneLeadByteBeforeDash", "\x81-x", false},   // sent as %81-x
    SwitchCase{"OnlyBlanks", " \x81\x40", false},
    SwitchCase{"Empty", "", false}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return info.param.name; });

}  // namespace
