// Taking the browser's current page: the requests made, the title cut from the browser
// window's caption (or taken from the reply), and where the new entry goes.
#include "edit/entry_commands.h"
#include "res/resource.h"
#include "tests/app/browser_fixture.h"
#include "tests/app/scripted_message_box.h"
#include "tree/tree_item.h"

namespace {

const Lines kCaptureRequests = {"WWW_Activate\t-1", "WWW_GetWindowInfo\t0xFFFFFFFF"};

class PageCaptureTest : public BrowserTest {
protected:
    // Starts the fake browser answering WWW_GetWindowInfo with `reply`, and showing a window
    // with `caption` when one is given.
    bool StartBrowserShowing(const wchar_t* service, const std::string& reply, const wchar_t* caption = nullptr,
                             std::vector<std::wstring> options = {})
    {
        WriteFileBytes(L"reply.txt", reply);
        options.insert(options.end(), {L"--reply", PathOf(L"reply.txt")});
        if (caption) options.insert(options.end(), {L"--caption", caption});
        return StartFakeBrowser(service, options);
    }
    void CaptureUnder(const std::vector<std::wstring>& folder)
    {
        Select(folder);
        Command(IDM_GETFROMBROWSER);
    }
    std::wstring CaretText() { return ItemText(g_ui.tree, CaretItem()); }
};

TEST_F(PageCaptureTest, ExplorerPageBecomesTheFirstChildWithAUniqueTitle)
{
    Show({"0Book\\", "1old,http://old"});
    ASSERT_TRUE(StartBrowserShowing(L"IEXPLORE", R"("http://a/?x=1,2","Reply Title","IExplore")",
                                    L"Example Page - Microsoft Internet Explorer"));
    CaptureUnder({L"Book"});
    EXPECT_EQ(CaretText(), L"Example Page ");
    CaptureUnder({L"Book"});
    EXPECT_EQ(CaretText(), L"Example Page (2)");
    EXPECT_EQ(ListLines(), (Lines{"0Book\\", "1Example Page (2),http://a/?x=1,2", "1Example Page ,http://a/?x=1,2",
                                  "1old,http://old"}));
    EXPECT_EQ(DdeLog(), (Lines{kCaptureRequests[0], kCaptureRequests[1], kCaptureRequests[0], kCaptureRequests[1]}));
    EXPECT_TRUE(g_shownMessages.empty());
    ExpectTreeMatchesRebuild();
}

TEST_F(PageCaptureTest, OperaTitleIsTheBracketedPartOfTheCaption)
{
    Show({"0Book\\"}, 3);
    ASSERT_TRUE(StartBrowserShowing(L"OPERA", R"("http://o/","Reply","W")", L"Opera - [表示 ]"));
    CaptureUnder({L"Book"});
    EXPECT_EQ(ListLines(), (Lines{"0Book\\", "1" + Cp932("表示") + ",http://o/"}));
}

// No window carries the mark: the reply's title is used, with its separators made full-width
// so that the line still splits before the URL.
TEST_F(PageCaptureTest, WithoutABrowserWindowTheReplyTitleIsStorable)
{
    Show({"0Book\\", "1G\\"});
    ASSERT_TRUE(StartBrowserShowing(L"NETSCAPE", "\"http://n/\",\"Mail, news\\\\x - Netscape\",\"W\"",
                                    L"Some other window"));
    Command(IDM_BROWSER_NETSCAPE);
    CaptureUnder({L"Book", L"G"});
    EXPECT_EQ(ListLines(), (Lines{"0Book\\", "1G\\", "2Mail" + Cp932("，") + " news" + Cp932("＼") + "x ,http://n/"}));
    ExpectTreeMatchesRebuild();
}

TEST_F(PageCaptureTest, UnderADepthNineGroupTheLineGoesOneDeeper)
{
    Show({"0a\\", "1b\\", "2c\\", "3d\\", "4e\\", "5f\\", "6g\\", "7h\\", "8i\\", "9j\\"});
    ASSERT_TRUE(StartBrowserShowing(L"IEXPLORE", R"("http://d/","Deep","W")"));
    CaptureUnder({L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h", L"i", L"j"});
    EXPECT_EQ(ListLines().back(), ":Deep,http://d/");
    EXPECT_EQ(CaretText(), L"Deep");
}

TEST_F(PageCaptureTest, NothingIsAddedWhenTheCaptureCannotTakePlace)
{
    Show({"0Book\\", "1u,http://u"});
    CaptureUnder({L"Book"});   // no browser running: it is not started either
    EXPECT_TRUE(StartedBrowser(300).empty());

    ASSERT_TRUE(StartBrowserShowing(L"IEXPLORE", R"("http://a/","T","W")", nullptr,
                                    {L"--refuse", L"WWW_GetWindowInfo"}));
    CaptureUnder({L"Book", L"u"});   // a URL entry takes no children
    EXPECT_TRUE(DdeLog().empty());
    CaptureUnder({L"Book"});
    EXPECT_EQ(DdeLog(), (Lines{kCaptureRequests[0]}));
    EXPECT_EQ(ListLines(), (Lines{"0Book\\", "1u,http://u"}));
    EXPECT_TRUE(g_shownMessages.empty());
}

// The reply is read up to its 511th byte and the title kept to one field; a URL longer than a
// field is refused rather than stored cut.
TEST_F(PageCaptureTest, LongRepliesAreCutAndLongUrlsRefused)
{
    Show({"0Book\\", "0Other\\"});
    const std::string url = "http://l/" + std::string(91, 'u');
    ASSERT_TRUE(StartBrowserShowing(L"IEXPLORE", "\"" + url + "\",\"" + std::string(700, 't') + "\",\"W\""));
    CaptureUnder({L"Book"});
    ASSERT_EQ(ListLines().size(), 3u);
    EXPECT_EQ(ListLines()[1], "1" + std::string(255, 't') + "," + url);

    browser_.Stop();
    ASSERT_TRUE(StartBrowserShowing(L"IEXPLORE", "\"http://l/" + std::string(300, 'u') + "\",\"T\",\"W\""));
    CaptureUnder({L"Other"});
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_EQ(g_shownMessages[0].text, L"ﾌﾞﾗｳｻﾞのURLが長すぎるため追加できません。\nURLは255バイトまでです。");
    EXPECT_EQ(ListLines().size(), 3u);
}

// A URL whose last byte is 0x5C would make a line that reads back as a folder.
TEST_F(PageCaptureTest, UrlEndingInBackslashIsFixedOrLeftOut)
{
    Show({"0Book\\"});
    ASSERT_TRUE(StartBrowserShowing(L"IEXPLORE", R"("http://h\\","T","W")"));
    CaptureUnder({L"Book"});
    browser_.Stop();
    ASSERT_TRUE(StartBrowserShowing(L"IEXPLORE", R"("ftp://f\\","T","W")"));
    CaptureUnder({L"Book"});
    EXPECT_EQ(ListLines(), (Lines{"0Book\\", "1T,http://h/"}));
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_EQ(g_shownMessages[0].text, UnstorableUrlText(1));
}

}  // namespace
