// What passes between larkit and a browser: replies and captions read, URLs handed over.
#include <gtest/gtest.h>

#include <string>

#include "core/page_text.h"
#include "core/url_text.h"

namespace {

TEST(ParseWindowInfoTest, SplitsTheFields)
{
    const struct { const char* name; std::string reply, url, title, window; } rows[] = {
        {"Usual", R"("http://a/","Page","IExplore")", "http://a/", "Page", "IExplore"},
        {"CommaInsideUrl", R"("http://a/?x=1,2","T","W")", "http://a/?x=1,2", "T", "W"},
        {"EscapedQuoteGoesOn", R"("http://a/\"b","T","W")", "http://a/\"b", "T", "W"},
        {"EmptyTitleGivesWayToWindow", R"("http://a/","","W")", "http://a/", "W", ""},
        {"NoQuotesAtAll", "http://a/,T", "http://a/,T", "", ""},
        // 0x95 0x5C is one character: its second byte is no escape.
        {"TrailByteLikeBackslash", "\"u\",\"\x95\x5c\",\"W\"", "u", "\x95\x5c", "W"},
        {"SecondFieldWithoutOpeningQuote", R"("u",T,"W")", "u", "T,", "W"},
    };
    for (const auto& r : rows) {
        WindowInfo info = ParseWindowInfo(r.reply);
        EXPECT_EQ(info.url, r.url) << r.name;
        EXPECT_EQ(info.title, r.title) << r.name;
        EXPECT_EQ(info.window, r.window) << r.name;
    }
}

TEST(CutPageTitleTest, CutsWhereTheBrowserNameBegins)
{
    const struct { const char* name; uint32_t kind; std::string caption, title; } rows[] = {
        {"ExplorerFirstMark", 1, "A - Microsoft Internet Explorer - Microsoft Internet Explorer", "A "},
        {"Netscape", 2, "News - Netscape", "News "},
        {"OperaBracketed", 3, "Opera - [Example Page ]", "Example Page"},
        // The trail byte 0x5B ('[') after a lead byte is no bracket; a lead byte before " ]" takes the blank.
        {"OperaDoubleByteBeforeMark", 3, "\x83\x5b- [x ]", "x"},
        {"OperaLeadByteBeforeEnd", 3, "Opera - [x\x83 ]", "x\x83 ]"},
        {"NoRowForKind", 4, "A - Netscape", "A - Netscape"},
    };
    for (const auto& r : rows) EXPECT_EQ(CutPageTitle(r.kind, r.caption), r.title) << r.name;
}

// With no browser window found, the reply's title stands for the caption.
TEST(MakePageEntryTest, MakesOneLineThatReadsBack)
{
    const struct { const char* name; std::string reply, title, url; } rows[] = {
        {"Usual", R"("http://a/","Page - Microsoft Internet Explorer","W")", "Page ", "http://a/"},
        {"SeparatorsMadeFullWidth", R"("http://a/","a,b\\c","W")", "a\x81\x43" "b\x81\x5f" "c", "http://a/"},
        {"NoTitleTakesTheUrl", R"("http://a/?x,y","","")", "http://a/?x\x81\x43y", "http://a/?x,y"},
        // A line end would split the entry's line in the list file.
        {"LineEndsInUrlAndTitle", "\"http://a/\r\nb\",\"T\ri\nt\",\"W\"", "T i t", "http://a/  b"},
        // An escaped lead byte ends the field as half a character, which would take the comma.
        {"HalfCharacterAtTheEnd", "\\\x9a", "", "\x9a"},
        {"HalfCharacterAfterTitle", "\"u\",\"ab\\\x83\",\"W\"", "ab", "u"},
        {"LongTitleCutOnACharacter", "\"u\",\"" + std::string(254, 'a') + "\x95\x5c\",\"W\"",
             std::string(254, 'a'), "u"},
    };
    for (const auto& r : rows) {
        WindowInfo info = ParseWindowInfo(r.reply);
        PageEntry entry = MakePageEntry(1, info.title, info.url);
        EXPECT_EQ(entry.title, r.title) << r.name;
        EXPECT_EQ(entry.url, r.url) << r.name;
    }
}

TEST(MakeFileUrlTest, RewritesOnlyDrivePaths)
{
    const struct { const char* name; std::string text, url; } rows[] = {
        {"DrivePath", "C:\\web\\a.htm", "file:///C|/web/a.htm"},
        {"SlashedDrivePath", "c:/x", "file:///c|/x"}, {"DriveAlone", "C:", "C:"}, {"DriveRelative", "C:x\\y", "C:x\\y"},
        {"WebUrl", "http://a/b", "http://a/b"},
        {"DoubleByteWithBackslashTrail", "C:\\\x95\x5c\\a", "file:///C|/\x95\x5c/a"},
        // A lead byte takes the colon as its trail byte: no drive there.
        {"LeadByteBeforeColon", "\x9c:\\w", "\x9c:\\w"},
    };
    for (const auto& r : rows) EXPECT_EQ(MakeFileUrl(r.text), r.url) << r.name;
}

// The item names the last window; a refused URL leaves the item as it was.
const std::string kLongest = "\"" + std::string(241, 'u') + "\",,0xFFFFFFFF";

TEST(FormatOpenUrlItemTest, QuotesTheUrlOrRefusesIt)
{
    const struct { const char* name; std::string url; const char* item; } rows[] = {
        {"CommaInside", "tle,xyz", "\"tle,xyz\",,0xFFFFFFFF"},
        {"QuoteCannotEndTheArgument", "http://a/x\",,1", "\"http://a/x%22,,1\",,0xFFFFFFFF"},
        {"LeadByteCannotTakeTheClosingQuote", "http://a/\x83", "\"http://a/%83\",,0xFFFFFFFF"},
        {"Longest", std::string(241, 'u'), kLongest.c_str()}, {"OneByteTooLong", std::string(242, 'u'), nullptr},
        {"TooLongOnceEncoded", std::string(81, '"'), nullptr},
    };
    for (const auto& r : rows) {
        std::string item = "unchanged";
        EXPECT_EQ(FormatOpenUrlItem(r.url, &item), r.item != nullptr) << r.name;
        EXPECT_EQ(item, r.item ? r.item : "unchanged") << r.name;
    }
}

TEST(QuoteUrlArgumentTest, QuotesTheUrlAsOneArgument)
{
    const struct { const char* name; std::string url, argument; } rows[] = {
        {"BlanksStay", "C:\\My Docs\\a.htm", "\"C:\\My Docs\\a.htm\""},
        {"InjectedSwitch", "http://a/\" -new \"x", "\"http://a/%22 -new %22x\""},
        {"Controls", "a\tb\x01\x7f", "\"a%09b%01%7F\""},
        // A run of backslashes before a quote is halved, one before a quote escapes it.
        {"EndingBackslashesDoubled", "\\\\s\\a b\\\\", "\"\\\\s\\a b\\\\\\\\\""},
        // ソ is 0x83 0x5C: no backslash, whatever its second byte.
        {"DoubleByteEndingIn5C", "http://a/\x83\x5c", "\"http://a/\x83\x5c\""},
        {"BackslashAfterDoubleByte", "C:\\\x95\x5c\\", "\"C:\\\x95\x5c\\\\\""},
        // A lead byte before a byte that is no trail byte is no character: it could take the quote
        // after it for its own, or leave it standing, depending on the reader.
        {"LeadByteBeforeQuote", "http:?//ab c?\"\x89\"\t", "\"http:?//ab c?%22%89%22%09\""},
    };
    for (const auto& r : rows) EXPECT_EQ(QuoteUrlArgument(r.url), r.argument) << r.name;
}

TEST(StartsLikeSwitchTest, RefusesWhatABrowserReadsAsASwitch)
{
    const struct { const char* name; std::string url; bool refused; } rows[] = {
        {"Dash", "-new", true}, {"AfterControls", "\t\r\n/x", true}, {"AfterWideBlank", "\x81\x40-x", true},
        {"DrivePath", "C:\\x", false}, {"SharePath", "\\\\server\\x", false},
        {"LoneLeadByteBeforeDash", "\x81-x", false},   // sent as %81-x
        {"OnlyBlanks", " \t", false},
    };
    for (const auto& r : rows) {   // in a buffer of its own size: nothing past the end may be read
        std::vector<char> exact(r.url.begin(), r.url.end());
        EXPECT_EQ(StartsLikeSwitch({exact.data(), exact.size()}), r.refused) << r.name;
    }
}

// The default browser's texts: where a URL goes, the title in a caption, the URL copied.
TEST(DefaultBrowserTextTest, RoutesUrlsCutsCaptionsTakesOneCopiedUrl)
{
    using R = DefaultBrowserRoute;
    const std::pair<std::string, R> routes[] = {
        {"http://a/", R::Shell}, {"HTTPS://a/", R::Shell}, {"ftp://f/", R::Shell}, {"File:///C:/a", R::Argument},
        {"c:\\a.exe", R::Argument}, {"C:/a.bat", R::Argument}, {"\\\\s\\a", R::Argument}, {"mailto:a", R::Refused},
        {"httpx://a", R::Refused}, {" http://a/", R::Refused}, {"C:a.exe", R::Refused}, {"1:\\a", R::Refused}};
    for (const auto& [url, route] : routes) EXPECT_EQ(RouteForDefaultBrowser(url), route) << url;
    const std::pair<std::wstring, std::wstring> captions[] = {
        {L"A - B - Google Chrome", L"A - B"}, {L"A \u2014 B - x \u2014 Mozilla Firefox", L"A \u2014 B - x"},
        {L"A - B \u2014 Firefox", L"A - B"}, {L"Mozilla Firefox", L""}, {L"A-B \u2014Edge", L""}};
    for (const auto& [caption, title] : captions) EXPECT_EQ(TitleOfBrowserCaption(caption), title) << caption.size();
    const std::pair<std::wstring, std::wstring> copied[] = {
        {L" \u3000http://a/b?c\r\n", L"http://a/b?c"}, {L"view-source:x", L"view-source:x"}, {L"http://a b", L""},
        {L"http://a\r\nhttp://b", L""}, {L"C:\\a", L""}, {L"1a:b", L""}, {L"http:", L""}, {L"no url", L""}};
    for (const auto& [text, url] : copied) EXPECT_EQ(OneUrlOfText(text), url) << text.size();
}

}  // namespace
