// The settings dialog answered as a user would: what it shows, what OK stores at once and
// puts into effect, what cancel leaves alone; the version box, the usage page and help.
#include "app/docking.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/recorded_shell.h"
#include "tests/app/screen.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

constexpr const wchar_t* kFiveSettings[] = {L"TopMode", L"HideMode", L"HideTime", L"AskFlg", L"SortFlg"};

bool IsTopmost() { return (GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Wine 8 leaves a window that owns popups (here the hidden tooltips of the toolbar and the
// tree) out of the topmost band when asked to enter it; Windows does not. Owned by nobody,
// the tooltips stand aside.
void FreeOwnedPopups()
{
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM) -> BOOL {
            if (GetWindow(hwnd, GW_OWNER) == g_ui.main) SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, 0);
            return TRUE;
        },
        0);
}

DialogStep Press(int button) { return {std::nullopt, std::nullopt, button}; }

// The dialog filled in and answered with `button`.
DialogStep Fill(const wchar_t* hideTime, const std::vector<std::pair<int, bool>>& checks, int button = IDOK)
{
    DialogStep step = Press(button).Text(IDC_CONFIG_HIDETIME, hideTime);
    for (const auto& [id, checked] : checks) step.Check(id, checked);
    return step;
}

class ConfigDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        WriteFileBytes(L"list.dat", "0Work\\\r\n1Mail,http://m\r\n0Home\\\r\n0Books\\\r\n");
    }
    void Run(std::vector<DialogStep> steps)
    {
        ScriptDialogs(std::move(steps));
        RunCommand(IDM_CONFIG);
        EXPECT_EQ(g_unplannedDialogs, 0);
    }
    static bool IsStored(const wchar_t* name)
    {
        DWORD value = 0;
        return ReadSettingDword(name, &value);
    }
    std::vector<std::wstring> TopLevelTitles()
    {
        std::vector<std::wstring> titles;
        for (const ShownItem& item : ShownTree())
            if (item.depth == 0) titles.push_back(item.text);
        return titles;
    }
};

TEST_F(ConfigDialogTest, ShowsTheSettingsAndOkStoresAllFiveAtOnce)
{
    SetSettingDword(L"SortFlg", 0);
    Start();
    ASSERT_TRUE(IsTopmost());
    Run({Fill(L"250abc", {{IDC_CONFIG_TOPMODE, false}, {IDC_CONFIG_HIDEMODE, false}, {IDC_CONFIG_ASKFLG, false},
                          {IDC_CONFIG_SORTFLG, false}})});

    ASSERT_EQ(g_seenDialogs.size(), 1u);
    const SeenDialog& shown = g_seenDialogs[0];
    EXPECT_EQ(shown.caption, L"環境設定");
    EXPECT_EQ(shown.owner, g_ui.main);
    EXPECT_EQ(shown.edits.at(IDC_CONFIG_HIDETIME), L"200");
    EXPECT_EQ(shown.checks, (std::map<int, bool>{{IDC_CONFIG_TOPMODE, true}, {IDC_CONFIG_HIDEMODE, true},
                                                 {IDC_CONFIG_ASKFLG, true}, {IDC_CONFIG_SORTFLG, false}}));

    for (const wchar_t* name : {L"TopMode", L"HideMode", L"AskFlg", L"SortFlg"}) EXPECT_EQ(StoredDword(name), 0u);
    EXPECT_EQ(StoredDword(L"HideTime"), 250u);
    EXPECT_EQ(g_set.hideTime, 250u);
    EXPECT_EQ(g_set.askFlg, 0u);
    EXPECT_FALSE(IsTopmost());
}

TEST_F(ConfigDialogTest, EmptyHideTimeIsZeroAndANegativeOneShowsAsTyped)
{
    Start();
    Run({Fill(L"", {})});
    EXPECT_EQ(StoredDword(L"HideTime"), 0u);
    Run({Fill(L"-40", {})});
    EXPECT_EQ(StoredDword(L"HideTime"), static_cast<DWORD>(-40));
    Run({Press(IDCANCEL)});
    EXPECT_EQ(g_seenDialogs[0].edits.at(IDC_CONFIG_HIDETIME), L"-40");
}

TEST_F(ConfigDialogTest, CancelStoresAndChangesNothing)
{
    SetSettingDword(L"SortFlg", 0);
    Start();
    const std::vector<ShownItem> tree = ShownTree();
    const Settings before = g_set;
    ClearSettings();
    Run({Fill(L"5", {{IDC_CONFIG_TOPMODE, false}, {IDC_CONFIG_HIDEMODE, false}, {IDC_CONFIG_ASKFLG, false},
                     {IDC_CONFIG_SORTFLG, true}},
              IDCANCEL)});
    for (const wchar_t* name : kFiveSettings) EXPECT_FALSE(IsStored(name));
    EXPECT_EQ(g_set.hideTime, before.hideTime);
    EXPECT_EQ(g_set.sortFlg, 0u);
    EXPECT_TRUE(IsTopmost());
    EXPECT_EQ(ShownTree(), tree);
}

TEST_F(ConfigDialogTest, TopModeTwoShowsCheckedAndOkMakesItOne)
{
    SetSettingDword(L"TopMode", 2);
    Start();
    EXPECT_FALSE(IsTopmost());
    FreeOwnedPopups();
    Run({Press(IDOK)});
    EXPECT_TRUE(g_seenDialogs[0].checks.at(IDC_CONFIG_TOPMODE));
    EXPECT_EQ(StoredDword(L"TopMode"), 1u);
    EXPECT_TRUE(IsTopmost());
}

TEST_F(ConfigDialogTest, SortToggledRebuildsTheTreeAndSelectsTheFirstItem)
{
    SetSettingDword(L"SortFlg", 0);
    Start();
    Select({L"Home"});
    Run({Fill(L"200", {{IDC_CONFIG_SORTFLG, true}})});
    EXPECT_EQ(TopLevelTitles(), (std::vector<std::wstring>{L"Books", L"Home", L"Work"}));
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Books");
    ExpectTreeMatchesRebuild();

}

class ConfigWhileDockedTest : public ConfigDialogTest {
protected:
    void StartDockedLeft(DWORD hideMode)
    {
        SetSettingDword(L"FloatMode", 0);
        SetSettingDword(L"AppBarMode", 0);
        SetSettingDword(L"HideMode", hideMode);
        SetSettingDword(L"HideTime", 3600000);   // ticks come from the test
        PointAt(600, 300);
        Start();
    }
};

TEST_F(ConfigWhileDockedTest, AutoHideTurnedOffWhileHiddenBringsTheBarBackAtItsWidth)
{
    StartDockedLeft(1);
    TickHideTimer();
    ASSERT_TRUE(g_dock.barHidden);
    Run({Fill(L"3600000", {{IDC_CONFIG_HIDEMODE, false}})});
    EXPECT_FALSE(g_dock.barHidden);
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 200, kScreenHeight}));
    EXPECT_TRUE(IsRegisteredBar(g_ui.main));
    EXPECT_EQ(g_set.dtWidth, 200u);
    Exit();
    EXPECT_EQ(StoredDword(L"dt_width"), 200u);
}

TEST_F(ConfigWhileDockedTest, AutoHideTurnedOnHidesAtTheFirstTickOutside)
{
    StartDockedLeft(0);
    TickHideTimer();
    TickHideTimer();
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 200, kScreenHeight}));
    Run({Fill(L"3600000", {{IDC_CONFIG_HIDEMODE, true}})});
    EXPECT_EQ(MainWindowRect(), (RECT{0, 0, 200, AutoHideBottom()}));
    EXPECT_FALSE(IsRegisteredBar(g_ui.main));
    TickHideTimer();
    EXPECT_TRUE(g_dock.barHidden);
}

// Read unsigned, -5 would be a period of weeks.
TEST_F(ConfigWhileDockedTest, NegativeHideTimeIsStoredAsTypedAndTheTimerRunsAtTheShortestPeriod)
{
    StartDockedLeft(1);
    g_dock.hideAtOnce = false;   // two real ticks are needed
    Run({Fill(L"-5", {})});
    EXPECT_EQ(StoredDword(L"HideTime"), static_cast<DWORD>(-5));
    EXPECT_TRUE(PumpUntil([] { return g_dock.barHidden; }, 2000));
}

TEST_F(ConfigDialogTest, VersionBoxAndUsagePageOpenFromTheDialog)
{
    Start();
    Run({Press(IDC_CONFIG_VERSION), Press(IDOK), Press(IDC_CONFIG_USAGE), Press(IDCANCEL)});
    ASSERT_EQ(g_seenDialogs.size(), 4u);
    const SeenDialog& about = g_seenDialogs[1];
    EXPECT_EQ(about.caption, L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.owner, g_seenDialogs[0].window);
    EXPECT_EQ(about.labels.at(1), L"ver0.1");
    EXPECT_EQ(about.icons, 1);
    EXPECT_EQ(g_seenDialogs[2].caption, L"環境設定");
    ASSERT_EQ(g_shellRequests.size(), 1u);
    EXPECT_EQ(g_shellRequests[0].kind, ShellRequest::Open);
    EXPECT_EQ(g_shellRequests[0].owner, g_ui.main);
    EXPECT_EQ(g_shellRequests[0].file, L"larkit.htm");
    for (const wchar_t* name : kFiveSettings) EXPECT_FALSE(IsStored(name));
}

TEST_F(ConfigDialogTest, HelpAsksForTheFirstTopicOfTheHelpFileInTheProgramFolder)
{
    Start();
    SendMessageW(g_ui.main, WM_COMMAND, IDM_HELP, 0);
    ASSERT_EQ(g_shellRequests.size(), 1u);
    EXPECT_EQ(g_shellRequests[0].kind, ShellRequest::Help);
    EXPECT_EQ(g_shellRequests[0].owner, g_ui.main);
    EXPECT_EQ(g_shellRequests[0].file, folder() + L"\\zendrilo.hlp");
    EXPECT_EQ(g_shellRequests[0].context, 1u);
}

}  // namespace
