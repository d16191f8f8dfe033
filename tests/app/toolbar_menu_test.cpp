// The toolbar, the context menus and the tree's keys and clicks, driven through the real
// controls and real pointer positions.
#include <map>

#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/screen.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

class ToolbarMenuTest : public AppTest {
protected:
    void Show(const std::string& bytes)
    {
        WriteFileBytes(L"list.dat", bytes);
        Start();
        SetWindowPos(g_ui.main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }

    // Puts the pointer over the item's label, or `dx` pixels right of it.
    void PointAt(HTREEITEM item, int dx = 0)
    {
        SendMessageW(g_ui.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        RECT rect{};
        memcpy(&rect, &item, sizeof item);   // the message takes the item in the rectangle
        ASSERT_TRUE(SendMessageW(g_ui.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)));
        POINT at{(rect.left + rect.right) / 2 + dx, (rect.top + rect.bottom) / 2};
        ClientToScreen(g_ui.tree, &at);
        MovePointer(at);
    }

    // The pointer moves through the display server; the shared move waits until the position
    // holds, so that a late report of the old position cannot put it back before the click.
    static void MovePointer(POINT at) { ::PointAt(at.x, at.y); }

    void PointBelowItems()
    {
        RECT client{};
        GetClientRect(g_ui.tree, &client);
        POINT at{20, client.bottom - 10};
        ClientToScreen(g_ui.tree, &at);
        MovePointer(at);
    }

    LRESULT Notify(UINT code)
    {
        NMHDR header{g_ui.tree, IDC_TREE, code};
        return SendMessageW(g_ui.main, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
    }

    // The command that waits in the queue for the main window, or 0.
    static WPARAM PostedCommand()
    {
        MSG msg;
        if (!PeekMessageW(&msg, g_ui.main, WM_COMMAND, WM_COMMAND, PM_REMOVE)) return 0;
        return msg.wParam;
    }
};

const std::string kList = "0Book\\\r\n1Group\\\r\n2deep,http://d\r\n1page,http://p\r\n";

TEST_F(ToolbarMenuTest, ToolbarHasItsNineButtonsAndShowsTheBrowser)
{
    SetSettingDword(L"SelectWeb", 2);
    Show(kList);
    ASSERT_NE(g_ui.toolbar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(g_ui.toolbar), IDC_TOOLBAR);
    const int commands[] = {IDM_EXIT, IDM_CONFIG, 0, IDM_FIND, IDM_FINDNEXT, 0, IDM_BROWSER_IE, IDM_BROWSER_NETSCAPE,
                            IDM_BROWSER_OPERA};
    const BYTE styles[] = {TBSTYLE_BUTTON, TBSTYLE_BUTTON, TBSTYLE_SEP, TBSTYLE_BUTTON, TBSTYLE_BUTTON, TBSTYLE_SEP,
                           TBSTYLE_CHECKGROUP, TBSTYLE_CHECKGROUP, TBSTYLE_CHECKGROUP};
    ASSERT_EQ(SendMessageW(g_ui.toolbar, TB_BUTTONCOUNT, 0, 0), 9);
    for (int i = 0; i < 9; ++i) {
        TBBUTTON button{};
        SendMessageW(g_ui.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.idCommand, commands[i]) << i;
        EXPECT_EQ(button.fsStyle, styles[i]) << i;
    }
    EXPECT_FALSE(SendMessageW(g_ui.toolbar, TB_ISBUTTONCHECKED, IDM_BROWSER_IE, 0));
    EXPECT_TRUE(SendMessageW(g_ui.toolbar, TB_ISBUTTONCHECKED, IDM_BROWSER_NETSCAPE, 0));
    HWND tips = reinterpret_cast<HWND>(SendMessageW(g_ui.toolbar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    EXPECT_TRUE(GetWindowLongW(tips, GWL_STYLE) & TTS_ALWAYSTIP);
}

TEST_F(ToolbarMenuTest, ToolTipsByCommandAndClicksPostedOn)
{
    Show(kList);
    std::map<int, std::wstring> expected = {{IDM_EXIT, L"終了"}, {IDM_CONFIG, L"環境設定"},
                                            {IDM_FIND, L"ﾎｯﾄﾘｽﾄの検索"}, {IDM_FINDNEXT, L"次を検索"},
                                            {IDM_BROWSER_IE, L"ｲﾝﾀｰﾈｯﾄｴｸｽﾌﾟﾛｰﾗで表示"},
                                            {IDM_BROWSER_NETSCAPE, L"ﾈｯﾄｽｹｰﾌﾟで表示"},
                                            {IDM_BROWSER_OPERA, L"Operaで表示"}};
    for (const auto& [command, text] : expected) {
        NMTTDISPINFOW info{};
        info.hdr = {g_ui.toolbar, static_cast<UINT_PTR>(command), TTN_GETDISPINFOW};
        SendMessageW(g_ui.toolbarHost, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        ASSERT_NE(info.lpszText, nullptr) << command;
        EXPECT_EQ(std::wstring(info.lpszText), text);
    }
    PumpMessages();
    SendMessageW(g_ui.toolbarHost, WM_COMMAND, IDM_FINDNEXT, 0);
    EXPECT_EQ(PostedCommand(), static_cast<WPARAM>(IDM_FINDNEXT));
}

// Reads the context menu the program opens (its WM_INITMENUPOPUP names it) and closes it
// from a timer inside the menu's loop.
struct SeenMenu {
    bool shown = false;
    std::map<UINT, bool> greyed;   // command -> greyed
};
SeenMenu s_menu;

LRESULT CALLBACK WatchMenuPopup(int code, WPARAM wp, LPARAM lp)
{
    auto* call = reinterpret_cast<CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == WM_INITMENUPOPUP && !s_menu.shown) {
        HMENU menu = reinterpret_cast<HMENU>(call->wParam);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            UINT id = GetMenuItemID(menu, i);
            if (id == 0 || id == static_cast<UINT>(-1)) continue;
            s_menu.greyed[id] = (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
        }
        s_menu.shown = true;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_menu.shown) EndMenu();
}

SeenMenu RightClick(LRESULT (*notify)(UINT))
{
    s_menu = SeenMenu();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchMenuPopup, nullptr, GetCurrentThreadId());
    UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseOpenMenu);
    notify(NM_RCLICK);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    PumpMessages();
    return s_menu;
}

LRESULT NotifyMain(UINT code)
{
    NMHDR header{g_ui.tree, IDC_TREE, code};
    return SendMessageW(g_ui.main, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
}

TEST_F(ToolbarMenuTest, ContextMenusGreyByKindAndSelectTheItem)
{
    Show(kList);
    const UINT urlOnlyGrey[] = {IDM_NEWGROUP, IDM_NEWURL, IDM_GETFROMBROWSER, IDM_PASTE};

    HTREEITEM page = ItemAtPath({L"Book", L"page"});
    PointAt(page, 60);   // right of the label, still on the row
    SeenMenu onUrl = RightClick(NotifyMain);
    ASSERT_TRUE(onUrl.shown);
    EXPECT_EQ(CaretItem(), page);
    EXPECT_EQ(onUrl.greyed.size(), 17u);
    for (const auto& [id, grey] : onUrl.greyed) {
        bool expectedGrey = std::find(std::begin(urlOnlyGrey), std::end(urlOnlyGrey), id) != std::end(urlOnlyGrey);
        EXPECT_EQ(grey, expectedGrey) << id;
    }

    HTREEITEM book = ItemAtPath({L"Book"});
    PointAt(book);
    SeenMenu onFolder = RightClick(NotifyMain);
    EXPECT_EQ(CaretItem(), book);
    for (const auto& [id, grey] : onFolder.greyed) EXPECT_EQ(grey, id == IDM_OPEN) << id;

    PointBelowItems();
    SeenMenu onEmpty = RightClick(NotifyMain);
    EXPECT_EQ(CaretItem(), book);   // the selection stays
    std::map<UINT, bool> root = {{IDM_NEWBOOK, false}, {IDM_PASTEROOT, false}, {IDM_IMPORT, false}, {IDM_RESTORE, false}};
    EXPECT_EQ(onEmpty.greyed, root);
}

TEST_F(ToolbarMenuTest, DoubleClickOpensUrlEntriesOnlyOnIconOrLabel)
{
    Show(kList);
    PumpMessages();
    HTREEITEM page = ItemAtPath({L"Book", L"page"});
    PointAt(page);
    EXPECT_EQ(Notify(NM_DBLCLK), 1);
    EXPECT_EQ(PostedCommand(), static_cast<WPARAM>(IDM_OPEN));
    PointAt(page, 80);
    EXPECT_EQ(Notify(NM_DBLCLK), 0);
    PointAt(ItemAtPath({L"Book"}));
    EXPECT_EQ(Notify(NM_DBLCLK), 0);
    EXPECT_EQ(PostedCommand(), 0u);
}

TEST_F(ToolbarMenuTest, DeleteKeyPostsDeleteAndToggleExpandFlipsTheCaret)
{
    Show(kList);
    PumpMessages();
    HTREEITEM book = Select({L"Book"});
    SendMessageW(g_ui.tree, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(PostedCommand(), static_cast<WPARAM>(IDM_DELETE));
    SendMessageW(g_ui.tree, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(PostedCommand(), 0u);

    auto expanded = [&] { return (SendMessageW(g_ui.tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(book), TVIS_EXPANDED) & TVIS_EXPANDED) != 0; };
    bool before = expanded();
    RunCommand(IDM_TOGGLEEXPAND);
    EXPECT_NE(expanded(), before);
    RunCommand(IDM_TOGGLEEXPAND);
    EXPECT_EQ(expanded(), before);
}

}  // namespace
