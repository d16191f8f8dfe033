// The toolbar's buttons and tips, the context menus, the tree's clicks and keys, driven through
// the real controls, the real menu loop and real pointer positions.
#include <map>
#include <set>

#include "platform/load_text.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tree/state.h"

namespace {

// Puts the pointer over the item's label (or `dx` pixels right of it); with no item, below them.
void PointOver(HTREEITEM item, int dx = 0)
{
    RECT r{};
    GetClientRect(g_ui.tree, &r);
    POINT at{20, r.bottom - 10};
    memcpy(&r, &item, sizeof item);   // the message takes the item in the rectangle
    if (item && SendMessageW(g_ui.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)))
        at = {(r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2};
    ClientToScreen(g_ui.tree, &at);
    PointAt(at.x, at.y);
}

LRESULT Notify(UINT code)
{
    NMHDR header{g_ui.tree, IDC_TREE, code};
    return SendMessageW(g_ui.main, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
}

// The command waiting in the queue for the main window, or 0.
WPARAM PostedCommand()
{
    MSG msg;
    return PeekMessageW(&msg, g_ui.main, WM_COMMAND, WM_COMMAND, PM_REMOVE) ? msg.wParam : 0;
}

// The commands of the context menu the program opens, each with whether it is greyed; the
// menu is closed from a timer inside its loop.
std::map<UINT, bool> s_menu;
LRESULT CALLBACK WatchMenuPopup(int code, WPARAM wp, LPARAM lp)
{
    auto* call = reinterpret_cast<CWPSTRUCT*>(lp);
    HMENU menu = reinterpret_cast<HMENU>(call->wParam);
    for (int i = 0; code == HC_ACTION && call->message == WM_INITMENUPOPUP && i < GetMenuItemCount(menu); ++i)
        if (UINT id = GetMenuItemID(menu, i); id && id != static_cast<UINT>(-1))
            s_menu[id] = (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    return CallNextHookEx(nullptr, code, wp, lp);
}
std::map<UINT, bool> RightClick()
{
    s_menu.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchMenuPopup, nullptr, GetCurrentThreadId());
    UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!s_menu.empty()) EndMenu();
    });
    Notify(NM_RCLICK);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    PumpMessages();
    return s_menu;
}

class ToolbarMenuTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        WriteFileBytes(L"list.dat", "0Book\\\r\n1Group\\\r\n2deep,http://d\r\n1page,http://p\r\n");
        Start();
        SetWindowPos(g_ui.main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        Select({L"Book", L"page"});   // shown
        PumpMessages();
    }
};

// The documented command IDs of the buttons (0: separator) and the string IDs of their tips.
TEST_F(ToolbarMenuTest, ButtonsCarryTheirCommandsAndTips)
{
    std::vector<int> ids(SendMessageW(g_ui.toolbar, TB_BUTTONCOUNT, 0, 0));
    for (size_t i = 0; i < ids.size(); ++i) {
        TBBUTTON button{};
        SendMessageW(g_ui.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        ids[i] = button.idCommand;
    }
    EXPECT_EQ(ids, (std::vector<int>{40012, 40035, 0, 40042, 40043, 0, 40032, 40033, 40034}));
    for (auto [command, tip] : {std::pair{40012, 5001}, {40032, 5002}, {40033, 5003}, {40034, 5004}, {40035, 5005},
                                {40042, 5006}, {40043, 5007}}) {
        NMTTDISPINFOW wide{};
        NMTTDISPINFOA narrow{};
        wide.hdr = {nullptr, UINT_PTR(command), TTN_GETDISPINFOW};
        narrow.hdr = {nullptr, UINT_PTR(command), TTN_GETDISPINFOA};
        SendMessageW(g_ui.toolbarHost, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
        SendMessageW(g_ui.toolbarHost, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&narrow));
        std::string bytes;
        ASSERT_TRUE(Narrow(LoadText(tip), &bytes) && !bytes.empty()) << tip;
        EXPECT_EQ(std::wstring(wide.lpszText ? wide.lpszText : L""), LoadText(tip)) << command;
        EXPECT_EQ(std::string(narrow.lpszText ? narrow.lpszText : ""), bytes) << command;
    }
}

// Right of a URL's label, still on its row: 17 commands, those that add under it greyed.
TEST_F(ToolbarMenuTest, ContextMenusGreyByKindAndSelectTheItem)
{
    const std::set<UINT> greyOnUrl = {IDM_NEWGROUP, IDM_NEWURL, IDM_GETFROMBROWSER, IDM_PASTE};
    HTREEITEM page = ItemAtPath({L"Book", L"page"}), book = ItemAtPath({L"Book"});
    Select({L"Book"});
    PointOver(page, 60);
    std::map<UINT, bool> menu = RightClick();
    EXPECT_EQ(CaretItem(), page);
    EXPECT_EQ(menu.size(), 17u);
    for (const auto& [id, grey] : menu) EXPECT_EQ(grey, greyOnUrl.count(id) == 1) << id;
    PointOver(book);
    menu = RightClick();
    EXPECT_EQ(CaretItem(), book);
    for (const auto& [id, grey] : menu) EXPECT_EQ(grey, id == IDM_OPEN) << id;
    PointOver(nullptr);
    EXPECT_EQ(RightClick(), (std::map<UINT, bool>{{IDM_NEWBOOK, false}, {IDM_PASTEROOT, false}, {IDM_IMPORT, false},
                                                  {IDM_RESTORE, false}}));
    EXPECT_EQ(CaretItem(), book);   // the selection stays
}

// A double click opens URL entries only on their icon or label; Delete and toolbar clicks are
// posted on; toggle-expand flips the caret item.
TEST_F(ToolbarMenuTest, ClicksAndKeysArePostedOnAndToggleExpandFlipsTheCaret)
{
    const struct { std::vector<std::wstring> path; int dx; LRESULT handled; } clicks[] = {
        {{L"Book", L"page"}, 0, 1}, {{L"Book", L"page"}, 80, 0}, {{L"Book"}, 0, 0}};
    for (const auto& click : clicks) {
        PointOver(ItemAtPath(click.path), click.dx);
        EXPECT_EQ(Notify(NM_DBLCLK), click.handled) << click.dx;
        EXPECT_EQ(PostedCommand(), click.handled ? static_cast<WPARAM>(IDM_OPEN) : 0u) << click.dx;
    }
    const struct { HWND to; UINT msg; WPARAM wp; WPARAM posted; } inputs[] = {
        {g_ui.tree, WM_KEYDOWN, VK_DELETE, IDM_DELETE}, {g_ui.tree, WM_KEYDOWN, 'A', 0},
        {g_ui.toolbarHost, WM_COMMAND, IDM_FINDNEXT, IDM_FINDNEXT}};
    for (const auto& input : inputs) {
        SendMessageW(input.to, input.msg, input.wp, 0);
        EXPECT_EQ(PostedCommand(), input.posted) << input.wp;
    }
    HTREEITEM book = Select({L"Book"});
    UINT before = TreeView_GetItemState(g_ui.tree, book, TVIS_EXPANDED);
    SendMessageW(g_ui.main, WM_COMMAND, IDM_TOGGLEEXPAND, 0);
    EXPECT_NE(TreeView_GetItemState(g_ui.tree, book, TVIS_EXPANDED), before);
}

}  // namespace
