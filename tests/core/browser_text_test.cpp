// What passes between larkit and a browser: the window-info reply split at real quotes, the
// page title cut from a caption, the entry a captured page makes, file URLs for local paths,
// the DDE open item, the URL as exactly one command-line argument, and URLs refused as switches.
#include <gtest/gtest.h>

#include <string>

#include "core/page_text.h"
#include "core/url_text.h"

namespace {

const auto kName = [](const auto& info) { return std::string(info.param.name); };

struct ReplyCase { const char* name; std::string reply, url, title, window; };
class ParseWindowInfoTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ParseWindowInfoTest, SplitsTheFields)
{
    const ReplyCase& c = GetParam();
    WindowInfo info = ParseWindowInfo(c.reply);
    EXPECT_EQ(info.url, c.url);
    EXPECT_EQ(info.title, c.title);
    EXPECT_EQ(info.window, c.window);
}

INSTANTIATE_TEST_SUITE_P(Replies, ParseWindowInfoTest, ::testing::Values(
    ReplyCase{"Usual", R"("http://a/","Page","IExplore")", "http://a/", "Page", "IExplore"},
    ReplyCase{"CommaInsideUrl", R"("http://a/?x=1,2","T","W")", "http://a/?x=1,2", "T", "W"},
    ReplyCase{"EscapedQuoteGoesOn", R"("http://a/\"b","T","W")", "http://a/\"b", "T", "W"},
    ReplyCase{"EscapedBackslash", R"("C:\\x","T","W")", "C:\\x", "T", "W"},
    ReplyCase{"EmptyTitleGivesWayToWindow", R"("http://a/","","W")", "http://a/", "W", ""},
    ReplyCase{"NoQuotesAtAll", "http://a/,T", "http://a/,T", "", ""},
    ReplyCase{"OnlyTheUrl", R"("http://a/")", "http://a/", "", ""},
    // 0x95 0x5C is one character: its second byte is no escape.
    ReplyCase{"TrailByteLikeBackslash", "\"u\",\"\x95\x5c\",\"W\"", "u", "\x95\x5c", "W"},
    ReplyCase{"LoneLeadByteAtTheEnd", "\"u\",\"ab\x83", "u", "ab", ""},
    ReplyCase{"BackslashAtTheEnd", "\"u\",\"ab\\", "u", "ab", ""},
    ReplyCase{"SecondFieldWithoutOpeningQuote", R"("u",T,"W")", "u", "T,", "W"}),
    kName);

struct CaptionCase { const char* name; uint32_t kind; std::string caption, title; };
class CutPageTitleTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CutPageTitleTest, CutsWhereTheBrowserNameBegins)
{
    EXPECT_EQ(CutPageTitle(GetParam().kind, GetParam().caption), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Captions, CutPageTitleTest, ::testing::Values(
    CaptionCase{"ExplorerFirstMark", 1, "A - Microsoft Internet Explorer - Microsoft Internet Explorer", "A "},
    CaptionCase{"ExplorerWithoutMark", 1, "Example Page", "Example Page"},
    CaptionCase{"Netscape", 2, "News - Netscape", "News "},
    CaptionCase{"NetscapeMarkOfAnother", 2, "News - Microsoft Internet Explorer", "News - Microsoft Internet Explorer"},
    CaptionCase{"OperaBracketed", 3, "Opera - [Example Page ]", "Example Page"},
    CaptionCase{"OperaNoBlankBeforeBracket", 3, "Opera - [Example Page]", "Example Page]"},
    // The trail byte 0x5B ('[') after a lead byte is no bracket; a lead byte before " ]" takes the blank.
    CaptionCase{"OperaDoubleByteBeforeMark", 3, "\x83\x5b- [x ]", "x"},
    CaptionCase{"OperaLeadByteBeforeEnd", 3, "Opera - [x\x83 ]", "x\x83 ]"},
    CaptionCase{"DoubleByteTitle", 1, "\x95\x5c - Microsoft Internet Explorer", "\x95\x5c "},
    CaptionCase{"NoRowForKind", 4, "A - Netscape", "A - Netscape"}),
    kName);

TEST(HeadOnCharBoundaryTest, NeverSplitsADoubleByteCharacter)
{
    EXPECT_EQ(HeadOnCharBoundary("abcdef", 4), "abcd");
    EXPECT_EQ(HeadOnCharBoundary("ab\x95\x5c", 3), "ab");
    EXPECT_EQ(HeadOnCharBoundary("ab\x95\x5c", 4), "ab\x95\x5c");
    EXPECT_EQ(HeadOnCharBoundary("ab\x95", 3), "ab");   // half a character would take the next byte
}

struct PageCase { const char* name; std::string reply, title, url; };
class MakePageEntryTest : public ::testing::TestWithParam<PageCase> {};

// With no browser window found, the reply's title stands for the caption.
TEST_P(MakePageEntryTest, MakesOneLineThatReadsBack)
{
    WindowInfo info = ParseWindowInfo(GetParam().reply);
    PageEntry entry = MakePageEntry(1, info.title, info.url);
    EXPECT_EQ(entry.title, GetParam().title);
    EXPECT_EQ(entry.url, GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(Replies, MakePageEntryTest, ::testing::Values(
    PageCase{"Usual", R"("http://a/","Page - Microsoft Internet Explorer","W")", "Page ", "http://a/"},
    PageCase{"SeparatorsMadeFullWidth", R"("http://a/","a,b\\c","W")", "a\x81\x43" "b\x81\x5f" "c", "http://a/"},
    PageCase{"NoTitleTakesTheUrl", R"("http://a/?x,y","","")", "http://a/?x\x81\x43y", "http://a/?x,y"},
    // A line end would split the entry's line in the list file.
    PageCase{"LineEndsInUrlAndTitle", "\"http://a/\r\nb\",\"T\ri\nt\",\"W\"", "T i t", "http://a/  b"},
    // An escaped lead byte ends the field as half a character, which would take the comma.
    PageCase{"HalfCharacterAtTheEnd", "\\\x9a", "", "\x9a"},
    PageCase{"HalfCharacterAfterTitle", "\"u\",\"ab\\\x83\",\"W\"", "ab", "u"},
    PageCase{"LongTitleCutOnACharacter", "\"u\",\"" + std::string(254, 'a') + "\x95\x5c\",\"W\"",
             std::string(254, 'a'), "u"}),
    kName);

struct FileUrlCase { const char* name; std::string text, url; };
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
    FileUrlCase{"DoubleByteWithBackslashTrail", "C:\\\x95\x5c\\a", "file:///C|/\x95\x5c/a"},
    FileUrlCase{"LeadByteBeforeColon", "\x9c:\\w", "\x9c:\\w"}),   // the colon is its trail byte
    kName);

// The item names the last window; a refused URL leaves the item as it was.
struct ItemCase { const char* name; std::string url; const char* item; };
class FormatOpenUrlItemTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(FormatOpenUrlItemTest, QuotesTheUrlOrRefusesIt)
{
    std::string item = "unchanged";
    EXPECT_EQ(FormatOpenUrlItem(GetParam().url, &item), GetParam().item != nullptr);
    EXPECT_EQ(item, GetParam().item ? GetParam().item : "unchanged");
}

const std::string kLongest = "\"" + std::string(241, 'u') + "\",,0xFFFFFFFF";

INSTANTIATE_TEST_SUITE_P(Urls, FormatOpenUrlItemTest, ::testing::Values(
    ItemCase{"CommaInside", "tle,xyz", "\"tle,xyz\",,0xFFFFFFFF"},
    ItemCase{"QuoteCannotEndTheArgument", "http://a/x\",,1", "\"http://a/x%22,,1\",,0xFFFFFFFF"},
    ItemCase{"LeadByteCannotTakeTheClosingQuote", "http://a/\x83", "\"http://a/%83\",,0xFFFFFFFF"},
    ItemCase{"Longest", std::string(241, 'u'), kLongest.c_str()},
    ItemCase{"OneByteTooLong", std::string(242, 'u'), nullptr},
    ItemCase{"TooLongOnceEncoded", std::string(81, '"'), nullptr}),
    kName);

struct ArgumentCase { const char* name; std::string url, argument; };
class QuoteUrlArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(QuoteUrlArgumentTest, QuotesTheUrlAsOneArgument)
{
    EXPECT_EQ(QuoteUrlArgument(GetParam().url), GetParam().argument);
}

INSTANTIATE_TEST_SUITE_P(Urls, QuoteUrlArgumentTest, ::testing::Values(
    ArgumentCase{"BlanksStay", "C:\\My Docs\\a.htm", "\"C:\\My Docs\\a.htm\""},
    ArgumentCase{"InjectedSwitch", "http://a/\" -new \"x", "\"http://a/%22 -new %22x\""},
    ArgumentCase{"Controls", "a\tb\x01\x7f", "\"a%09b%01%7F\""},
    // A run of backslashes before a quote is halved, one before a quote escapes it.
    ArgumentCase{"EndingBackslashesDoubled", "\\\\s\\a b\\\\", "\"\\\\s\\a b\\\\\\\\\""},
    // ソ is 0x83 0x5C: no backslash, whatever its second byte.
    ArgumentCase{"DoubleByteEndingIn5C", "http://a/\x83\x5c", "\"http://a/\x83\x5c\""},
    ArgumentCase{"BackslashAfterDoubleByte", "C:\\\x95\x5c\\", "\"C:\\\x95\x5c\\\\\""},
    // A lead byte before a byte that is no trail byte is no character: it could take the quote
    // after it for its own, or leave it standing, depending on the reader.
    ArgumentCase{"LeadByteBeforeQuote", "http:?//ab c?\"\x89\"\t", "\"http:?//ab c?%22%89%22%09\""},
    ArgumentCase{"LeadByteAtTheEnd", "a\x83", "\"a%83\""}),
    kName);

struct SwitchCase { const char* name; std::string url; bool refused; };
class StartsLikeSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(StartsLikeSwitchTest, RefusesWhatABrowserReadsAsASwitch)
{
    EXPECT_EQ(StartsLikeSwitch(GetParam().url), GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(Urls, StartsLikeSwitchTest, ::testing::Values(
    SwitchCase{"Dash", "-new", true}, SwitchCase{"Slash", "/nohome", true},
    SwitchCase{"AfterControls", "\t\r\n/x", true}, SwitchCase{"AfterWideBlank", "\x81\x40-x", true},
    SwitchCase{"DrivePath", "C:\\x", false}, SwitchCase{"SharePath", "\\\\server\\x", false},
    SwitchCase{"LoneLeadByteBeforeDash", "\x81-x", false},   // sent as %81-x
    SwitchCase{"OnlyBlanks", " \x81\x40", false}),
    kName);

}  // namespace
