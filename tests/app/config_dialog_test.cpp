// The settings dialog as a user answers it; the version box, usage page and help. (The bar: docking_test.cpp.)
#include "res/resource.h"
#include "tests/support/dialogs.h"
#include "tests/app/harness.h"
#include "tests/app/recorded_shell.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

using Checks = std::map<int, bool>;
using ConfigDialogTest = AppTest;

TEST_F(ConfigDialogTest, ConfigDialogCancelsOrStoresAndAppliesEverything)
{
    SetSettingDword(L"SortFlg", 0);
    SetSettingDword(L"HideTime", DWORD(-40));
    WriteFileBytes(L"list.dat", "0Work\\\r\n1Mail,http://m\r\n0Home\\\r\n0Books\\\r\n");
    Start();
    // Wine 8 leaves a window that owns popups (the toolbar's and tree's tooltips) out of the topmost band.
    EnumThreadWindows(GetCurrentThreadId(), [](HWND hwnd, LPARAM) -> BOOL {
        if (GetWindow(hwnd, GW_OWNER) == g_ui.main) SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, 0);
        return TRUE;
    }, 0);
    Select({L"Home"});
    const Settings was = g_set;
    ScriptDialogs({{std::nullopt, std::nullopt, IDC_CONFIG_VERSION}, Ok(), {std::nullopt, std::nullopt, IDC_CONFIG_USAGE},
                   Cancel().Text(IDC_CONFIG_HIDETIME, L"5").Check(IDC_CONFIG_SORTFLG, true).Check(IDC_CONFIG_TOPMODE, false)});
    RunCommand(IDM_CONFIG);
    ASSERT_EQ(g_seenDialogs.size(), 4u);
    EXPECT_EQ(g_seenDialogs[0].caption, L"環境設定");
    EXPECT_EQ(g_seenDialogs[0].texts.at(IDC_CONFIG_HIDETIME), L"-40");
    EXPECT_EQ(g_seenDialogs[0].texts.at(IDC_CONFIG_BACKUPDAYS), L"10");
    EXPECT_EQ(g_seenDialogs[0].checks, (Checks{{IDC_CONFIG_TOPMODE, true}, {IDC_CONFIG_HIDEMODE, true},
                                               {IDC_CONFIG_ASKFLG, true}, {IDC_CONFIG_SORTFLG, false},
                                               {IDC_CONFIG_DEFAULTBROWSER, false}}));
    EXPECT_EQ(g_seenDialogs[1].caption, L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(std::tie(g_set.hideTime, g_set.sortFlg, g_set.topMode), std::tie(was.hideTime, was.sortFlg, was.topMode));
    EXPECT_NE(GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Home");
    SendMessageW(g_ui.main, WM_COMMAND, IDM_HELP, 0);
    ASSERT_EQ(g_shellRequests.size(), 2u);
    EXPECT_EQ(g_shellRequests[0].file, L"larkit.htm");
    EXPECT_EQ(g_shellRequests[1].file, folder() + L"\\zendrilo.hlp");
    EXPECT_EQ(g_shellRequests[1].context, 1u);

    ScriptDialogs({Ok().Text(IDC_CONFIG_HIDETIME, L"250abc").Text(IDC_CONFIG_BACKUPDAYS, L"3").Check(IDC_CONFIG_TOPMODE, false).Check(IDC_CONFIG_HIDEMODE, false)
                       .Check(IDC_CONFIG_ASKFLG, false).Check(IDC_CONFIG_SORTFLG, true)});
    RunCommand(IDM_CONFIG);
    for (auto [name, want] : {std::pair{L"TopMode", 0u}, {L"HideMode", 0u}, {L"HideTime", 250u}, {L"AskFlg", 0u},
                              {L"SortFlg", 1u}, {L"BackupDays", 3u}})
        EXPECT_EQ(StoredDword(name), want) << name;
    EXPECT_EQ(GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Books");   // sorted again, the first selected
    ExpectTreeMatchesList();
}

// Each step: a selection message (its wParam) or OK with the box set as given; the kind and pressed button after.
TEST_F(ConfigDialogTest, DefaultBrowserByTheBoxOrTheMessage)
{
    SetSettingDword(L"SelectWeb", 4);
    Start();
    g_ui.msgSelectBrowser = RegisterWindowMessageW(L"WM_KORVEX_SELECTWEB");
    const struct { WPARAM message; bool box; DWORD kind; bool shown; } steps[] = {   // shown: the box as the dialog opened
        {5, false, 4}, {0, false, 1, true}, {2, false, 2}, {0, true, 4, false}, {0, true, 4, true}, {0, false, 2, true},
        {4, false, 4}};
    for (const auto& step : steps) {
        if (step.message) SendMessageW(g_ui.main, g_ui.msgSelectBrowser, step.message, 0);
        else ScriptDialogs({Ok().Check(IDC_CONFIG_DEFAULTBROWSER, step.box)}), RunCommand(IDM_CONFIG);
        EXPECT_TRUE(step.message || g_seenDialogs.at(0).checks.at(IDC_CONFIG_DEFAULTBROWSER) == step.shown);
        EXPECT_EQ(g_set.selectWeb, step.kind);
        for (DWORD kind = 1; kind <= 3; ++kind)
            EXPECT_EQ(SendMessageW(g_ui.toolbar, TB_ISBUTTONCHECKED, IDM_BROWSER_IE + kind - 1, 0) != 0, kind == step.kind);
    }
}

}  // namespace
