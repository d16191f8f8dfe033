// Choosing the browser and opening entries: the DDE requests a running browser receives, and
// the command line of a browser started from its App Paths entry.
#include "res/resource.h"
#include "tests/app/browser_fixture.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

const std::string kActivate = "WWW_Activate\t-1";
std::string OpenUrl(const std::string& url) { return "WWW_OpenURL\t\"" + url + "\",,0xFFFFFFFF"; }

std::vector<bool> PressedButtons()
{
    std::vector<bool> pressed;
    for (int id : {IDM_BROWSER_IE, IDM_BROWSER_NETSCAPE, IDM_BROWSER_OPERA})
        pressed.push_back(SendMessageW(g_ui.toolbar, TB_ISBUTTONCHECKED, id, 0) != 0);
    return pressed;
}

std::wstring CaretText() { return ItemText(g_ui.tree, CaretItem()); }

TEST_F(BrowserTest, ButtonsAndTheRegisteredMessageChooseAndExitStoresTheChoice)
{
    Show({"0A\\"});
    EXPECT_EQ(PressedButtons(), (std::vector<bool>{true, false, false}));
    SendMessageW(g_ui.main, g_ui.msgSelectBrowser, 2, 0);
    EXPECT_EQ(g_set.selectWeb, 2u);
    EXPECT_EQ(PressedButtons(), (std::vector<bool>{false, true, false}));
    for (WPARAM outside : {0, 4}) SendMessageW(g_ui.main, g_ui.msgSelectBrowser, outside, 0);
    EXPECT_EQ(g_set.selectWeb, 2u);
    EXPECT_EQ(PressedButtons(), (std::vector<bool>{false, true, false}));
    Command(IDM_BROWSER_OPERA);
    EXPECT_EQ(PressedButtons(), (std::vector<bool>{false, false, true}));
    Exit();
    DWORD stored = 0;
    ASSERT_TRUE(ReadSettingDword(L"SelectWeb", &stored));
    EXPECT_EQ(stored, 3u);
}

TEST_F(BrowserTest, RunningBrowserIsActivatedThenAskedForTheUrlAfterTheFirstComma)
{
    Show({"0A\\", "1Ti,tle,xyz"});
    ASSERT_TRUE(StartFakeBrowser(L"IEXPLORE"));
    Select({L"A", L"Ti"});
    Command(IDM_OPEN);
    EXPECT_EQ(DdeLog(), (Lines{kActivate, OpenUrl("tle,xyz")}));
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1Ti,tle,xyz"}));
    EXPECT_TRUE(g_shownMessages.empty());
}

// The second byte of 表 is 0x5C: it stays, and the server sees the character.
TEST_F(BrowserTest, OperaGetsLocalPathsAsFileUrlsAndTheListKeepsThePath)
{
    const std::string table = Cp932("表");
    Show({"0A\\", "1page,C:\\web\\a.htm", "1share,\\\\server\\share\\x", "1jp,C:\\" + table + "\\a.htm"}, 3);
    ASSERT_TRUE(StartFakeBrowser(L"OPERA"));
    for (const wchar_t* title : {L"page", L"share", L"jp"}) {
        Select({L"A", title});
        Command(IDM_OPEN);
    }
    EXPECT_EQ(DdeLog(), (Lines{kActivate, OpenUrl("file:///C|/web/a.htm"), kActivate, OpenUrl("\\\\server\\share\\x"),
                               kActivate, OpenUrl("file:///C|/" + table + "/a.htm")}));
    EXPECT_EQ(ListLines()[1], "1page,C:\\web\\a.htm");
}

TEST_F(BrowserTest, NextAndPreviousPassCollapsedFoldersAndStayAtTheEnds)
{
    Show({"0A\\", "1a1,http://a1", "1G\\", "2g,http://g", "1a2,http://a2", "0last,http://last"});
    ASSERT_TRUE(StartFakeBrowser(L"IEXPLORE"));
    SendMessageW(g_ui.tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(ItemAtPath({L"A"})));
    Select({L"A", L"a1"});
    struct Step { WORD command; const wchar_t* caret; };
    const Step steps[] = {
        {IDM_OPENNEXT, L"G"},      // a folder: the caret moves, nothing opens
        {IDM_OPENNEXT, L"a2"},     // past the collapsed G
        {IDM_OPENNEXT, L"last"},
        {IDM_OPENNEXT, L"last"},   // the end: stays and opens again
        {IDM_OPENPREV, L"a2"},
    };
    for (const Step& step : steps) {
        Command(step.command);
        EXPECT_EQ(CaretText(), step.caret);
    }
    Select({L"A", L"a1"});
    Command(IDM_OPENPREV);
    EXPECT_EQ(CaretText(), L"A");
    Command(IDM_OPENPREV);
    EXPECT_EQ(CaretText(), L"A");
    EXPECT_EQ(DdeLog(), (Lines{kActivate, OpenUrl("http://a2"), kActivate, OpenUrl("http://last"), kActivate,
                               OpenUrl("http://last"), kActivate, OpenUrl("http://a2")}));
}

TEST_F(BrowserTest, NoBrowserChosenOpensNothingUntilAButtonIsPressed)
{
    Show({"0A\\", "1u,http://u"}, 4);
    ASSERT_TRUE(StartFakeBrowser(L"IEXPLORE"));
    EXPECT_EQ(PressedButtons(), (std::vector<bool>{false, false, false}));
    Select({L"A", L"u"});
    Command(IDM_OPEN);
    Select({L"A"});
    Command(IDM_GETFROMBROWSER);
    EXPECT_TRUE(DdeLog().empty());
    EXPECT_TRUE(g_shownMessages.empty());
    EXPECT_TRUE(StartedBrowser(300).empty());
    Command(IDM_BROWSER_IE);
    Select({L"A", L"u"});
    Command(IDM_OPEN);
    EXPECT_EQ(DdeLog(), (Lines{kActivate, OpenUrl("http://u")}));
}

// The executable path and the URL are quoted (both hold blanks): the URL is one argument,
// however it is written, and a bookmark cannot add switches of its own.
TEST_F(BrowserTest, StartedBrowserGetsTheUrlAsExactlyOneArgument)
{
    Show({"0A\\", "1path,C:\\My Docs\\a.htm", "1t,http://x/a b\"c -new \"d"});
    const std::pair<const wchar_t*, std::string> opened[] = {{L"path", "C:\\My Docs\\a.htm"},
                                                             {L"t", "http://x/a b%22c -new %22d"}};
    for (const auto& [title, argument] : opened) {
        DeleteFileW(PathOf(L"started.log").c_str());
        Select({L"A", title});
        Command(IDM_OPEN);
        EXPECT_EQ(StartedBrowser(), (Lines{"\"" + StandInUtf8() + "\" \"" + argument + "\"", StandInUtf8(), argument}));
    }
    EXPECT_TRUE(g_shownMessages.empty());
}

// A URL that the browser would read as a switch is neither sent to a running browser nor
// given to a started one.
TEST_F(BrowserTest, UrlStartingAsASwitchIsRefusedOnBothRoutes)
{
    Show({"0A\\", "1dde,--user-data-dir=C:\\x", "1start, /nohome"});
    ASSERT_TRUE(StartFakeBrowser(L"IEXPLORE"));
    Select({L"A", L"dde"});
    Command(IDM_OPEN);
    browser_.Stop();
    Select({L"A", L"start"});
    Command(IDM_OPEN);
    EXPECT_TRUE(DdeLog().empty());
    EXPECT_TRUE(StartedBrowser(300).empty());
    ASSERT_EQ(g_shownMessages.size(), 2u);
    for (const ShownMessage& shown : g_shownMessages)
        EXPECT_EQ(shown.text, L"URLが「-」または「/」で始まるため、ﾌﾞﾗｳｻﾞに渡せません。\nURLを確認してください。");
}

// Per-user entries first, then the machine's 64-bit view, then its 32-bit view; a place whose
// value is empty names nothing. Where the prefix shares the two machine views, the rows still
// hold (the preferred place is written last) but say nothing about the 32-bit view.
TEST_F(BrowserTest, AppPathsAreReadForTheUserThenThe64BitThenThe32BitView)
{
    struct Row {
        const wchar_t *user, *machine64, *machine32, *started;   // stand-in names; null: none
    };
    const Row rows[] = {
        {L"user.exe", L"m64.exe", L"m32.exe", L"user.exe"},
        {nullptr, L"m64.exe", L"m32.exe", L"m64.exe"},
        {nullptr, nullptr, L"m32.exe", L"m32.exe"},
        {L"", nullptr, L"m32.exe", L"m32.exe"},
        {L"user.exe", nullptr, nullptr, L"user.exe"},
        {nullptr, nullptr, nullptr, nullptr},
    };
    for (const wchar_t* name : {L"user.exe", L"m64.exe", L"m32.exe"})
        ASSERT_TRUE(CopyFileW(BesideTests(L"stand_in_browser.exe").c_str(), PathOf(name).c_str(), FALSE));
    Show({"0A\\", "1u,http://u"}, 2);
    Select({L"A", L"u"});
    for (const Row& row : rows) {
        SCOPED_TRACE(Utf8(row.started ? row.started : L"none"));
        const std::pair<AppPathsPlace, const wchar_t*> places[] = {
            {AppPathsPlace::Machine32, row.machine32}, {AppPathsPlace::Machine64, row.machine64},
            {AppPathsPlace::User, row.user}};
        AppPathsEntries entries;
        for (const auto& [place, name] : places)
            if (!name) entries.Set(L"Netscape.exe", std::nullopt, place);
        for (const auto& [place, name] : places)
            if (name) entries.Set(L"Netscape.exe", *name ? PathOf(name) : L"", place);
        DeleteFileW(PathOf(L"started.log").c_str());
        g_shownMessages.clear();
        Command(IDM_OPEN);
        Lines started = StartedBrowser(row.started ? 10000 : 300);
        if (!row.started) {
            EXPECT_TRUE(started.empty());
            EXPECT_EQ(g_shownMessages.size(), 1u);
            continue;
        }
        ASSERT_EQ(started.size(), 3u);
        EXPECT_EQ(started[1], Utf8(PathOf(row.started)));
        EXPECT_TRUE(g_shownMessages.empty());
    }
}

TEST_F(BrowserTest, BrowserRefusingActivationIsStartedWithoutAnOpenRequest)
{
    Show({"0A\\", "1page,C:\\My Docs\\a.htm"}, 3);
    ASSERT_TRUE(StartFakeBrowser(L"OPERA", {L"--refuse", L"WWW_Activate"}));
    Select({L"A", L"page"});
    Command(IDM_OPEN);
    Lines started = StartedBrowser();
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[2], "file:///C|/My Docs/a.htm");   // a blank stays a blank, as over DDE
    EXPECT_TRUE(DdeLog().empty());
}

// The answer comes 1.5 s after the time-out: it is not waited for, and not taken when it
// comes (ending the conversation waits for the browser to acknowledge, so the command lasts
// until about then).
TEST_F(BrowserTest, BrowserAnsweringLateIsGivenUpAfterTheTimeOutAndStarted)
{
    Show({"0A\\", "1u,http://u"});
    ASSERT_TRUE(StartFakeBrowser(L"IEXPLORE", {L"--late", L"5500"}));
    Select({L"A", L"u"});
    DWORD before = GetTickCount();
    Command(IDM_OPEN);
    EXPECT_GE(GetTickCount() - before, 3900u);
    Lines started = StartedBrowser();
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[2], "http://u");
    EXPECT_EQ(DdeLog(), (Lines{kActivate}));
}

TEST_F(BrowserTest, MissingBrowserIsReportedOncePerCommand)
{
    AppPathsEntry none(L"Netscape.exe", std::nullopt);
    Show({"0A\\", "1u,http://u"}, 2);
    Select({L"A", L"u"});
    Command(IDM_OPEN);
    Command(IDM_OPEN);
    {
        AppPathsEntry huge(L"Netscape.exe", std::wstring(100 * 1024, L'x'));   // no path is that long
        Command(IDM_OPEN);
    }
    ASSERT_EQ(g_shownMessages.size(), 3u);
    for (const ShownMessage& shown : g_shownMessages) {
        EXPECT_EQ(shown.caption, L"ﾌﾞﾗｳｻﾞ起動ｴﾗｰ");
        EXPECT_EQ(shown.text, L"ﾌﾞﾗｳｻﾞが起動できません\n設定したﾌﾞﾗｳｻﾞがｲﾝｽﾄｰﾙされているか\n確認してください");
    }
}

TEST_F(BrowserTest, UrlTooLongForTheRequestOrCommandLineIsRefusedNotCut)
{
    const std::string fits(241 - 7, 'f'), tooLong(242 - 7, 'l'), huge(40000, 'h');
    Show({"0A\\", "1fits,http://" + fits, "1long,http://" + tooLong, "1huge,http://" + huge});
    ASSERT_TRUE(StartFakeBrowser(L"IEXPLORE"));
    for (const wchar_t* title : {L"fits", L"long"}) {
        Select({L"A", title});
        Command(IDM_OPEN);
    }
    EXPECT_EQ(DdeLog(), (Lines{kActivate, OpenUrl("http://" + fits), kActivate}));
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_EQ(g_shownMessages[0].text, L"URLが長すぎるため、ﾌﾞﾗｳｻﾞに渡せません。\nURLを短くしてください。");

    browser_.Stop();
    Select({L"A", L"huge"});
    Command(IDM_OPEN);
    EXPECT_EQ(g_shownMessages.size(), 2u);
    EXPECT_TRUE(StartedBrowser(300).empty());
}

}  // namespace
