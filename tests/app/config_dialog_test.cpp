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
    EXPECT_EQ(g_seenDialogs[0].checks, (Checks{{IDC_CONFIG_TOPMODE, true}, {IDC_CONFIG_HIDEMODE, true},
                                               {IDC_CONFIG_ASKFLG, true}, {IDC_CONFIG_SORTFLG, false}}));
    EXPECT_EQ(g_seenDialogs[1].caption, L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(std::tie(g_set.hideTime, g_set.sortFlg, g_set.topMode), std::tie(was.hideTime, was.sortFlg, was.topMode));
    EXPECT_NE(GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Home");
    SendMessageW(g_ui.main, WM_COMMAND, IDM_HELP, 0);
    ASSERT_EQ(g_shellRequests.size(), 2u);
    EXPECT_EQ(g_shellRequests[0].file, L"larkit.htm");
    EXPECT_EQ(g_shellRequests[1].file, folder() + L"\\zendrilo.hlp");
    EXPECT_EQ(g_shellRequests[1].context, 1u);

    ScriptDialogs({Ok().Text(IDC_CONFIG_HIDETIME, L"250abc").Check(IDC_CONFIG_TOPMODE, false).Check(IDC_CONFIG_HIDEMODE, false)
                       .Check(IDC_CONFIG_ASKFLG, false).Check(IDC_CONFIG_SORTFLG, true)});
    RunCommand(IDM_CONFIG);
    for (auto [name, want] : {std::pair{L"TopMode", 0u}, {L"HideMode", 0u}, {L"HideTime", 250u}, {L"AskFlg", 0u},
                              {L"SortFlg", 1u}})
        EXPECT_EQ(StoredDword(name), want) << name;
    EXPECT_EQ(GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Books");   // sorted again, the first selected
    ExpectTreeMatchesList();
}

}  // namespace
