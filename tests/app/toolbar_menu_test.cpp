// The toolbar's buttons and tips and the tree's context menus, through the real controls and pointer.
#include "platform/load_text.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tree/state.h"

namespace {

// Puts the pointer `dx` pixels right of the middle of the item's label; with no item, below them.
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

// The commands of the context menu a right click opens, each with whether it is greyed, read and
// closed from a timer inside the menu's loop.
std::map<UINT, bool> s_menu;
std::map<UINT, bool> RightClick(UINT key = 0)   // or the menu by a key (see PressKey)
{
    s_menu.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(FindWindowW(L"#32768", nullptr), MN_GETHMENU, 0, 0));
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i)
            if (UINT id = GetMenuItemID(menu, i); id && id != static_cast<UINT>(-1))   // no separators, submenus
                s_menu[id] = (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
        if (menu) EndMenu();
    });
    NMHDR header{g_ui.tree, IDC_TREE, UINT(NM_RCLICK)};
    if (key) EXPECT_TRUE(PressKey(key));
    else SendMessageW(g_ui.main, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
    KillTimer(nullptr, timer);
    return s_menu;
}

using ToolbarMenuTest = AppTest;

// The documented command IDs of the buttons (0: separator) and the string IDs of their tips;
// the context menu of a URL (20 commands, those that add under it greyed), of a folder (Open
// greyed) and of the empty space below the items, which leaves the selection alone.
TEST_F(ToolbarMenuTest, ButtonsCarryTheirCommandsAndTipsAndMenusGreyByKind)
{
    WriteFileBytes(L"list.dat", "0Book\\\r\n1Group\\\r\n2deep,http://d\r\n1page,http://p\r\n");
    Start();
    SetWindowPos(g_ui.main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    std::vector<int> ids(SendMessageW(g_ui.toolbar, TB_BUTTONCOUNT, 0, 0));
    for (size_t i = 0; i < ids.size(); ++i) {
        TBBUTTON button{};
        SendMessageW(g_ui.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        ids[i] = button.idCommand;
    }
    EXPECT_EQ(ids, (std::vector<int>{40012, 40035, 0, 40042, 40043, 0, 40032, 40033, 40034}));
    for (auto [command, tip] : {std::pair{40012, 5001}, {40032, 5002}, {40033, 5003}, {40034, 5004}, {40035, 5005},
                                {40042, 5006}, {40043, 5007}}) {
        NMTTDISPINFOW wide{{nullptr, UINT_PTR(command), TTN_GETDISPINFOW}, nullptr, {}, nullptr, 0, 0};
        NMTTDISPINFOA narrow{{nullptr, UINT_PTR(command), TTN_GETDISPINFOA}, nullptr, {}, nullptr, 0, 0};
        SendMessageW(g_ui.toolbarHost, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
        SendMessageW(g_ui.toolbarHost, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&narrow));
        std::string bytes;
        ASSERT_TRUE(Narrow(LoadText(tip), &bytes) && !bytes.empty()) << tip;
        EXPECT_EQ(std::wstring(wide.lpszText ? wide.lpszText : L""), LoadText(tip)) << command;
        EXPECT_EQ(std::string(narrow.lpszText ? narrow.lpszText : ""), bytes) << command;
    }

    HTREEITEM page = Select({L"Book", L"page"}), book = Select({L"Book"});
    PointOver(page, 60);   // right of the label, still on its row
    std::map<UINT, bool> menu = RightClick();
    EXPECT_EQ(CaretItem(), page);
    ASSERT_EQ(menu.size(), 21u);
    for (const auto& [id, grey] : menu)
        EXPECT_EQ(grey, id == IDM_NEWGROUP || id == IDM_NEWURL || id == IDM_GETFROMBROWSER || id == IDM_PASTE) << id;
    const std::map<UINT, bool> pageMenu = menu;
    PointOver(book);
    menu = RightClick();
    EXPECT_EQ(CaretItem(), book);
    ASSERT_EQ(menu.size(), 21u);
    for (const auto& [id, grey] : menu) EXPECT_EQ(grey, id == IDM_OPEN) << id;
    for (HTREEITEM item : {book, page}) {   // a double click on a URL entry's label opens it
        PointOver(item);
        NMHDR click{g_ui.tree, IDC_TREE, UINT(NM_DBLCLK)};
        EXPECT_EQ(SendMessageW(g_ui.main, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&click)), item == page);
        MSG open{};   // the command is posted
        bool posted = PeekMessageW(&open, g_ui.main, WM_COMMAND, WM_COMMAND, PM_REMOVE) && open.wParam == IDM_OPEN;
        EXPECT_EQ(posted, item == page);
    }
    PointOver(nullptr);
    EXPECT_EQ(RightClick(), (std::map<UINT, bool>{{IDM_NEWBOOK, false}, {IDM_PASTEROOT, false}, {IDM_IMPORT, false},
                                                  {IDM_RESTORE, false}, {IDM_IMPORT_BROWSERS, false},
                                                  {IDM_IMPORT_HTML, false}, {IDM_EXPORT_HTML, false}, {IDM_RESTORECOPY, false}}));
    EXPECT_EQ(CaretItem(), book);
    EXPECT_EQ(RightClick(VK_APPS), menu);   // the keys open the selected item's menu, not the pointed one's
    Select({L"Book", L"page"});
    EXPECT_EQ(RightClick(kShift | VK_F10), pageMenu);
}

}  // namespace
