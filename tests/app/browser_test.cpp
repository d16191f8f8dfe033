// The browser side through real peers (fake_browser, stand_in_browser); the text rules: browser_text_test.
#include "core/lines.h"
#include "core/list_bytes.h"
#include "edit/entry_commands.h"
#include "platform/load_text.h"
#include "res/resource.h"
#include "tests/app/peers.h"
#include "tests/app/recorded_shell.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

const std::string kAct = "WWW_Activate\t-1", kInfo = "WWW_GetWindowInfo\t0xFFFFFFFF";
std::string Open(const std::string& url) { return "WWW_OpenURL\t\"" + url + "\",,0xFFFFFFFF"; }
const char* const kFakeSettings[] = {"FAKE_SERVICE", "FAKE_REFUSE", "FAKE_CAPTION", "FAKE_REPLY", "FAKE_CLASS"};

// Per act: the item to select ({}: keep), the command, the started browser's argument, the caret's text after.
struct Act {
    std::vector<std::wstring> select;
    WORD command = IDM_OPEN;
    const char* started = nullptr;
    const wchar_t* caret = nullptr;
};
// fake: kFakeSettings in order (none: no fake browser; as firefox.exe for web 4); web: SelectWeb; after: the list
// ({}: unchanged); shell: the files the shell was asked to open, refused when shellFails; clip: the clipboard's text.
struct Row {
    const char* name;
    Lines list;
    std::vector<Act> acts;
    std::vector<std::string> fake{};
    Lines dde{};
    DWORD web = 1;
    std::vector<std::wstring> messages{};
    Lines after{};
    std::vector<std::wstring> shell{};
    bool shellFails = false;
    const wchar_t* clip = nullptr;
};

const Lines kBook = {"0Book\\"};
const std::vector<Act> kCapture = {{{L"Book"}, IDM_GETFROMBROWSER}};

const Row kRows[] = {
    {"ActivatesThenOpensTheUrlAfterTheFirstComma", {"0A\\", "1Ti,tle,xyz"}, {{{L"A", L"Ti"}}}, {"IEXPLORE"},
     {kAct, Open("tle,xyz")}},
    {"NoneChosenOpensNothingUntilAButton", {"0A\\", "1u,http://u"},
     {{{L"A", L"u"}}, {{}, IDM_BROWSER_IE}, {{L"A", L"u"}}}, {"IEXPLORE"}, {kAct, Open("http://u")}, 5},
    {"NextAndPreviousPassCollapsedFoldersAndStayAtTheEnds",
     {"0A\\", "1a1,http://a1", "1G\\", "2g,http://g", "1a2,http://a2", "0last,http://last"},
     {{{L"A", L"a1"}, IDM_OPENNEXT, nullptr, L"G"}, {{}, IDM_OPENNEXT, nullptr, L"a2"},
      {{}, IDM_OPENNEXT, nullptr, L"last"}, {{}, IDM_OPENNEXT, nullptr, L"last"},
      {{L"A", L"a1"}, IDM_OPENPREV, nullptr, L"A"}},
     {"IEXPLORE"}, {kAct, Open("http://a2"), kAct, Open("http://last"), kAct, Open("http://last")}},
    {"StartedBrowserGetsTheUrlAsOneArgument", {"0A\\", "1t,http://x/a b\"c -new \"d"},
     {{{L"A", L"t"}, IDM_OPEN, "http://x/a b%22c -new %22d"}}},
    {"SwitchIsRefused", {"0A\\", "1s, /nohome"}, {{{L"A", L"s"}}}, {}, {}, 1,
     {LoadText(IDS_URL_LIKE_SWITCH)}},
    // Opera is given a file URL, whichever way it gets it; the list keeps the path.
    {"RefusedActivationStartsTheBrowser", {"0A\\", "1p,C:\\My Docs\\a.htm"},
     {{{L"A", L"p"}, IDM_OPEN, "file:///C|/My Docs/a.htm"}}, {"OPERA", "WWW_Activate"}, {}, 3},
    // The default browser: web addresses to the shell, local files as an argument of the program that opens http.
    {"DefaultBrowser", {"0A\\", "1h,http://h/a b", "1f,file:///C:/a b.htm", "1p,C:\\x.bat", "1m,mailto:a@b"},
     {{{L"A", L"h"}}, {{L"A", L"f"}, IDM_OPEN, "file:///C:/a b.htm"}, {{L"A", L"p"}, IDM_OPEN, "C:\\x.bat"},
      {{L"A", L"m"}}}, {}, {}, 4, {LoadText(IDS_URL_NOT_FOR_DEFAULT_BROWSER)}, {}, {L"http://h/a b"}},
    {"DefaultBrowserShellFailureIsTold", {"0A\\", "1h,FTP://h"}, {{{L"A", L"h"}}}, {}, {}, 4,
     {LoadText(IDS_BROWSER_NOT_STARTED)}, {}, {L"FTP://h"}, true},
    {"UrlTooLongForTheCommandLineIsRefused", {"0A\\", "1h,http://" + std::string(40000, 'h')}, {{{L"A", L"h"}}},
     {}, {}, 1, {LoadText(IDS_URL_TOO_LONG_FOR_BROWSER)}},
    // Capture: the title cut from the caption of the browser's real window, made unique.
    {"ExplorerCaptionGivesAUniqueFirstChild", {"0Book\\", "1Example Page ,http://old"}, kCapture,
     {"IEXPLORE", "", "Example Page - Microsoft Internet Explorer", R"("http://a/?x=1,2","R","W")"}, {kAct, kInfo}, 1,
     {}, {"0Book\\", "1Example Page (2),http://a/?x=1,2", "1Example Page ,http://old"}},
    // No window carries the mark: the reply's title, its separators made full-width.
    {"WithoutTheWindowTheReplyTitleIsMadeStorable", kBook, kCapture,
     {"NETSCAPE", "", "Some other window", "\"http://n/\",\"Mail, news\\\\x\",\"W\""}, {kAct, kInfo}, 2, {},
     {"0Book\\", "1Mail" + Cp932("，") + " news" + Cp932("＼") + "x,http://n/"}},
    {"CaptureRefusedOrOnAUrlAddsNothing", {"0Book\\", "1u,http://u"},
     {{{L"Book", L"u"}, IDM_GETFROMBROWSER}, kCapture[0]}, {"IEXPLORE", "WWW_GetWindowInfo"}, {kAct}},
    {"UrlLongerThanAFieldIsRefused", kBook, kCapture,
     {"IEXPLORE", "", "", "\"http://l/" + std::string(300, 'u') + "\",\"T\",\"W\""}, {kAct, kInfo}, 1,
     {LoadText(IDS_BROWSER_URL_TOO_LONG)}},
    // The default browser: the copied URL, the title from the top browser window (not the test's own decoy).
    {"DefaultBrowserCaptureTakesTheCopiedUrl", kBook, kCapture,
     {"FOX", "", "Fox, page - x - Mozilla Firefox", "", "MozillaWindowClass"}, {}, 4, {},
     {"0Book\\", "1Fox" + Cp932("，") + " page - x,http://fx/a%C4%80"}, {}, false, L" http://fx/a\x0100\r\n"},
    {"CaptureWithoutACopiedUrl", kBook, kCapture, {}, {}, 4, {LoadText(IDS_CLIPBOARD_HAS_NO_URL)}, {}, {}, false, L"x y"},
    {"UnstorableUrlIsLeftOut", kBook, kCapture, {"IEXPLORE", "", "", R"("ftp://f\\","T","W")"}, {kAct, kInfo}, 1,
     {UnstorableUrlText(1)}},
};

class BrowserRows : public AppTest, public ::testing::WithParamInterface<Row> {};

// A stand-in browser under the user's App Paths keys, in a folder whose name has a blank.
TEST_P(BrowserRows, Row)
{
    const Row& row = GetParam();
    const std::wstring standIn = PathOf(L"Program Files x\\browser.exe"), log = PathOf(L"started.log");
    CreateDirectoryW(PathOf(L"Program Files x").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(BesideProgram(L"stand_in_browser.exe").c_str(), standIn.c_str(), FALSE));
    SetEnvironmentVariableW(L"LARKIT_STAND_IN_LOG", log.c_str());
    AppPathsEntries appPaths;
    for (const wchar_t* key : {L"IEXPLORE.EXE", L"Netscape.exe"}) appPaths.Set(key, standIn.c_str());
    appPaths.Set(L"Opera.exe", (L"\"" + standIn + L"\"").c_str());   // as some installers store it
    const std::wstring httpOpen = L"\"" + standIn + L"\" \"%1\"";   // in the test prefix's classes: Wine reads no user's
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", nullptr, REG_SZ, httpOpen.c_str(),
                    DWORD(httpOpen.size() + 1) * 2);
    g_shellFails = row.shellFails;
    WriteFileBytes(L"list.dat", FormatListBytes(row.list));
    SetSettingDword(L"SortFlg", 0);
    SetSettingDword(L"SelectWeb", row.web);
    Start();
    for (size_t i = 0; i < std::size(kFakeSettings); ++i)   // unset: the last row's do not carry over
        SetEnvironmentVariableA(kFakeSettings[i], i < row.fake.size() ? row.fake[i].c_str() : nullptr);
    Peer browser;
    ASSERT_TRUE(CopyFileW(BesideProgram(L"fake_browser.exe").c_str(), BesideProgram(L"firefox.exe").c_str(), FALSE));
    ASSERT_TRUE(row.fake.empty() || browser.Start(row.web == 4 ? L"firefox.exe" : L"fake_browser.exe", PathOf(L"dde.log")));
    WNDCLASSW decoyClass{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"MozillaWindowClass"};
    RegisterClassW(&decoyClass);   // refused for later rows: still there
    HWND decoy = CreateWindowW(L"MozillaWindowClass", L"Decoy - Mozilla Firefox", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, nullptr, nullptr);
    if (HGLOBAL text = row.clip ? GlobalAlloc(GMEM_FIXED, (wcslen(row.clip) + 1) * sizeof(wchar_t)) : nullptr) {
        wcscpy(static_cast<wchar_t*>(text), row.clip);   // fixed memory: the handle is the address
        ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, text) && CloseClipboard());
    }
    // The stand-ins' log once it holds `lines` lines (a bounded wait); with 0, after a quiet while.
    auto logged = [&](size_t lines) {
        PumpUntil([&] { return lines && LogLines(log).size() >= lines; }, lines ? 15000 : 300);
        return LogLines(log);
    };
    const std::string exe = NarrowForLog(standIn);
    Lines started;
    for (const Act& act : row.acts) {
        if (!act.select.empty()) Select(act.select);
        SendMessageW(g_ui.main, WM_COMMAND, act.command, 0);
        if (act.started) {   // one at a time: the log keeps the order
            started.insert(started.end(), {"\"" + exe + "\" \"" + act.started + "\"", exe, act.started});
            EXPECT_EQ(logged(started.size()), started);
        }
        EXPECT_TRUE(!act.caret || ItemText(g_ui.tree, CaretItem()) == act.caret) << NarrowForLog(act.caret);
    }
    EXPECT_EQ(logged(0), started);
    EXPECT_EQ(LogLines(PathOf(L"dde.log")), row.dde);
    EXPECT_EQ(g_bookmarks.lines, row.after.empty() ? row.list : row.after);
    ASSERT_EQ(g_shownMessages.size(), row.messages.size());
    for (size_t i = 0; i < row.messages.size(); ++i) EXPECT_EQ(g_shownMessages[i].text, row.messages[i]);
    ExpectTreeMatchesList();
    ASSERT_EQ(g_shellRequests.size(), row.shell.size());
    for (size_t i = 0; i < row.shell.size(); ++i) EXPECT_EQ(g_shellRequests[i].file, row.shell[i]);
    DestroyWindow(decoy);
}

INSTANTIATE_TEST_SUITE_P(Browser, BrowserRows, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
