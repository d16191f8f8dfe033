// The settings dialog answered as a user would: what it shows, what OK stores and puts into
// effect, what cancel leaves alone; the version box, usage page and help. (The bar: docking_test.cpp.)
#include <optional>

#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/recorded_shell.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

using Checks = std::map<int, bool>;
const wchar_t* const kFive[] = {L"TopMode", L"HideMode", L"HideTime", L"AskFlg", L"SortFlg"};

DialogStep Press(int button) { return {std::nullopt, std::nullopt, button}; }
DialogStep Fill(const wchar_t* hideTime, Checks checks, int button = IDOK)
{
    DialogStep step = Press(button);
    step.texts[IDC_CONFIG_HIDETIME] = hideTime;
    step.checks = std::move(checks);
    return step;
}

struct ConfigRow {
    const char* name;
    std::vector<std::pair<const wchar_t*, DWORD>> before;   // stored before the start
    DialogStep step;
    const wchar_t* shownHideTime;
    Checks shownChecks;
    std::optional<DWORD> stored[5];   // kFive afterwards; none: not stored
    bool topmost;
    const wchar_t* caret;             // Home before
};

const ConfigRow kRows[] = {
    {"AllChangedStoredAndSortRebuildsSelectingTheFirst", {{L"SortFlg", 0}},
     Fill(L"250abc", {{IDC_CONFIG_TOPMODE, false}, {IDC_CONFIG_HIDEMODE, false}, {IDC_CONFIG_ASKFLG, false},
                      {IDC_CONFIG_SORTFLG, true}}),
     L"200", {{IDC_CONFIG_TOPMODE, true}, {IDC_CONFIG_HIDEMODE, true}, {IDC_CONFIG_ASKFLG, true}, {IDC_CONFIG_SORTFLG, false}},
     {0, 0, 250, 0, 1}, false, L"Books"},
    {"CancelStoresAndChangesNothing", {{L"SortFlg", 0}},
     Fill(L"5", {{IDC_CONFIG_SORTFLG, true}, {IDC_CONFIG_TOPMODE, false}}, IDCANCEL), L"200", {}, {}, true, L"Home"},
    {"TopModeTwoShowsCheckedOkMakesItOneNegativeHideTimeShownSigned", {{L"TopMode", 2}, {L"HideTime", DWORD(-40)}},
     Fill(L"", {}), L"-40", {{IDC_CONFIG_TOPMODE, true}}, {1, 1, 0, 1, 1}, true, L"Home"},
};

class ConfigDialogTest : public AppTest, public ::testing::WithParamInterface<ConfigRow> {
protected:
    void Show()
    {
        WriteFileBytes(L"list.dat", "0Work\\\r\n1Mail,http://m\r\n0Home\\\r\n0Books\\\r\n");
        Start();
        // Wine 8 leaves a window that owns popups (the toolbar's and tree's tooltips) out of the topmost band.
        EnumThreadWindows(GetCurrentThreadId(), [](HWND hwnd, LPARAM) -> BOOL {
            if (GetWindow(hwnd, GW_OWNER) == g_ui.main) SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, 0);
            return TRUE;
        }, 0);
        ClearSettings();
        Select({L"Home"});
    }
};

TEST_P(ConfigDialogTest, Row)
{
    const ConfigRow& row = GetParam();
    for (const auto& [name, value] : row.before) SetSettingDword(name, value);
    Show();
    const DWORD was[] = {g_set.topMode, g_set.hideMode, g_set.hideTime, g_set.askFlg, g_set.sortFlg};
    ScriptDialogs({row.step});
    RunCommand(IDM_CONFIG);
    ASSERT_EQ(g_seenDialogs.size(), 1u);
    EXPECT_EQ(g_seenDialogs[0].caption, L"環境設定");
    EXPECT_EQ(g_seenDialogs[0].texts.at(IDC_CONFIG_HIDETIME), row.shownHideTime);
    for (const auto& [id, checked] : row.shownChecks) EXPECT_EQ(g_seenDialogs[0].checks.at(id), checked) << id;
    const DWORD now[] = {g_set.topMode, g_set.hideMode, g_set.hideTime, g_set.askFlg, g_set.sortFlg};
    for (int i = 0; i < 5; ++i) {
        DWORD value = 0;
        EXPECT_EQ(ReadSettingDword(kFive[i], &value) ? std::optional(value) : std::nullopt, row.stored[i]) << kFive[i];
        EXPECT_EQ(now[i], row.stored[i].value_or(was[i])) << kFive[i];
    }
    EXPECT_EQ((GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, row.topmost);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), row.caret);
    ExpectTreeMatchesList();
}

INSTANTIATE_TEST_SUITE_P(Config, ConfigDialogTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigDialogTest, VersionBoxUsagePageAndHelpOpenFromTheirCommands)
{
    Show();
    ScriptDialogs({Press(IDC_CONFIG_VERSION), Ok(), Press(IDC_CONFIG_USAGE), Cancel()});
    RunCommand(IDM_CONFIG);
    ASSERT_EQ(g_seenDialogs.size(), 4u);
    EXPECT_EQ(g_seenDialogs[1].caption, L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(g_seenDialogs[2].caption, L"環境設定");
    SendMessageW(g_ui.main, WM_COMMAND, IDM_HELP, 0);
    ASSERT_EQ(g_shellRequests.size(), 2u);
    EXPECT_EQ(g_shellRequests[0].kind, ShellRequest::Open);
    EXPECT_EQ(g_shellRequests[0].file, L"larkit.htm");
    EXPECT_EQ(g_shellRequests[1].kind, ShellRequest::Help);
    EXPECT_EQ(g_shellRequests[1].file, folder() + L"\\zendrilo.hlp");
    EXPECT_EQ(g_shellRequests[1].context, 1u);
}

}  // namespace
