// Tests of the window-info reply parser and the page-title cuts: fields split only at real
// quotes, escapes and double-byte characters kept whole, nothing read past the reply.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/page_text.h"

namespace {

struct ReplyCase {
    const char* name;
    std::string reply;
    std::string url, title, window;
};

class ParseWindowInfoTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ParseWindowInfoTest, SplitsTheFields)
{
    const ReplyCase& c = GetParam();
    // A copy on the heap of exactly the reply's size, so the sanitizer sees any read past it.
    std::unique_ptr<char[]> bytes(new char[c.reply.size() + 1]);
    std::copy(c.reply.begin(), c.reply.end(), bytes.get());
    WindowInfo info = ParseWindowInfo(std::string_view(bytes.get(), c.reply.size()));
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
    ReplyCase{"Empty", "", "", "", ""},
    ReplyCase{"OnlyTheUrl", R"("http://a/")", "http://a/", "", ""},
    // 0x95 0x5C is one character: its second byte is no escape.
    ReplyCase{"TrailByteLikeBackslash", "\"u\",\"\x95\x5c\",\"W\"", "u", "\x95\x5c", "W"},
    ReplyCase{"LoneLeadByteAtTheEnd", "\"u\",\"ab\x83", "u", "ab", ""},
    ReplyCase{"BackslashAtTheEnd", "\"u\",\"ab\\", "u", "ab", ""},
    ReplyCase{"SecondFieldWithoutOpeningQuote", R"("u",T,"W")", "u", "T,", "W"}),
    [](const ::testing::TestParamInfo<ReplyCase>& info) { return info.param.name; });

struct CaptionCase {
    const char* name;
    uint32_t kind;
    std::string caption, title;
};

class CutPageTitleTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CutPageTitleTest, CutsWhereTheBrowserNameBegins)
{
    EXPECT_EQ(CutPageTitle(GetParam().kind, GetParam().caption), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Captions, CutPageTitleTest, ::testing::Values(
    CaptionCase{"ExplorerKeepsTheBlank", 1, "Example Page - Microsoft Internet Explorer", "Example Page "},
    CaptionCase{"ExplorerFirstMark", 1, "A - Microsoft Internet Explorer - Microsoft Internet Explorer", "A "},
    CaptionCase{"ExplorerWithoutMark", 1, "Example Page", "Example Page"},
    CaptionCase{"Netscape", 2, "News - Netscape", "News "},
    CaptionCase{"NetscapeMarkOfAnother", 2, "News - Microsoft Internet Explorer", "News - Microsoft Internet Explorer"},
    CaptionCase{"OperaBracketed", 3, "Opera - [Example Page ]", "Example Page"},
    CaptionCase{"OperaNoBlankBeforeBracket", 3, "Opera - [Example Page]", "Example Page]"},
    CaptionCase{"OperaWithoutMark", 3, "Example Page", "Example Page"},
    // The trail byte 0x5B ('[') after a lead byte is no bracket.
    CaptionCase{"OperaDoubleByteBeforeMark", 3, "\x83\x5b- [x ]", "x"},
    CaptionCase{"DoubleByteTitle", 1, "\x95\x5c - Microsoft Internet Explorer", "\x95\x5c "},
    CaptionCase{"NoRowForKind", 4, "A - Netscape", "A - Netscape"}),
    [](const ::testing::TestParamInfo<CaptionCase>& info) { return info.param.name; });

TEST(HeadOnCharBoundaryTest, NeverSplitsADoubleByteCharacter)
{
    EXPECT_EQ(HeadOnCharBoundary("abcdef", 4), "abcd");
    EXPECT_EQ(HeadOnCharBoundary("ab\x95\x5c", 3), "ab");
    EXPECT_EQ(HeadOnCharBoundary("ab\x95\x5c", 4), "ab\x95\x5c");
    EXPECT_EQ(HeadOnCharBoundary("ab", 255), "ab");
    EXPECT_EQ(HeadOnCharBoundary("ab\x95", 3), "ab");   // half a character would take the next byte
}

struct PageCase {
    const char* name;
    std::string reply;   // with no browser window found, its title stands for the caption
    std::string title, url;
};

class MakePageEntryTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(MakePageEntryTest, MakesOneLineThatReadsBack)
{
    const PageCase& c = GetParam();
    WindowInfo info = ParseWindowInfo(c.reply);
    PageEntry entry = MakePageEntry(1, info.title, info.url);
    EXPECT_EQ(entry.title, c.title);
    EXPECT_EQ(entry.url, c.url);
}

INSTANTIATE_TEST_SUITE_P(Replies, MakePageEntryTest, ::testing::Values(
    PageCase{"Usual", R"("http://a/","Page - Microsoft Internet Explorer","W")", "Page ", "http://a/"},
    PageCase{"SeparatorsMadeFullWidth", R"("http://a/","a,b\\c","W")", "a\x81\x43" "b\x81\x5f" "c", "http://a/"},
    PageCase{"NoTitleTakesTheUrl", R"("http://a/?x,y","","")", "http://a/?x\x81\x43y", "http://a/?x,y"},
    // A line end would split the entry's line in the list file.
    PageCase{"LineEndsInUrlAndTitle", "\"http://a/\r\nb\",\"T\ri\nt\",\"W\"", "T i t", "http://a/  b"},
    PageCase{"LineEndAlone", "\n", " ", " "},
    // An escaped lead byte ends the field as half a character, which would take the comma.
    PageCase{"HalfCharacterAtTheEnd", "\\\x9a", "", "\x9a"},
    PageCase{"HalfCharacterAfterTitle", "\"u\",\"ab\\\x83\",\"W\"", "ab", "u"},
    PageCase{"LongTitleCutOnACharacter", "\"u\",\"" + std::string(254, 'a') + "\x95\x5c\",\"W\"",
             std::string(254, 'a'), "u"}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return info.param.name; });

}  // namespace
