// Test harness over the real main window.
#include "tests/app/harness.h"

#include <algorithm>
#include <array>

#include "app/docking.h"
#include "app/main_window.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "core/list_bytes.h"
#include "edit/find.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "tests/app/faulty_file.h"
#include "tests/app/recorded_shell.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

void AppTest::SetUp()
{
    g_pointerSlipped = [](LONG x, LONG y) { ADD_FAILURE() << "the pointer did not stay at " << x << ", " << y; };
    ClearSettings();
    g_shownMessages.clear();
    g_queuedAnswers.clear();
    g_queuedFiles.clear();
    g_shellRequests.clear();
    g_shellFails = false;
    ResetLines(g_bookmarks);
    ResetLines(g_clip);
    g_find = FindState();
    g_ui = Ui();
    g_set = Settings();
    g_paths = Paths();
    g_dock = Dock();
    static int s_tests = 0;
    std::wstring id = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++s_tests);
    folder_ = MakeScratchFolder(L"larkit-tests-" + id);
    SetCurrentDirectoryW(folder_.c_str());
    (void)SideFiles(TemporaryFolder(), true);   // what an earlier run left there is no test's
}

void AppTest::TearDown()
{
    g_fileFaults = FileFaults();
    if (g_ui.main && IsWindow(g_ui.main)) Exit();
    SetCurrentDirectoryW(TemporaryFolder().c_str());   // the test's folder can then go
    RemoveFolder(folder_);
}

void AppTest::WriteFileBytes(const std::wstring& name, const std::string& bytes) const
{
    ASSERT_TRUE(WriteBytes(PathOf(name), bytes)) << NarrowForLog(name);
}


void ClearSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }
void SetSettingDword(const wchar_t* name, DWORD value) { RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, name, value); }
void SetSettingString(const wchar_t* name, const std::wstring& value)
{
    RegWriteWideString(HKEY_CURRENT_USER, kSettingsKey, name, value);
}

bool ReadSettingString(const wchar_t* name, std::wstring* value)
{
    wchar_t text[2048];
    DWORD size = sizeof text;
    bool got = !RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, text, &size);
    if (got) *value = text;
    return got;
}

DWORD StoredDword(const wchar_t* name)
{
    DWORD value = 0xDEADBEEF, size = sizeof value;
    EXPECT_FALSE(RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size))
        << "missing " << NarrowForLog(name);
    return value;
}

// Every item from `first` on, depth-first, with its depth.
static void Walk(HTREEITEM first, int depth, const std::function<void(HTREEITEM, int)>& visit)
{
    for (HTREEITEM item = first; item; item = RelatedItem(g_ui.tree, item, TVGN_NEXT)) {
        visit(item, depth);
        Walk(RelatedItem(g_ui.tree, item, TVGN_CHILD), depth + 1, visit);
    }
}

std::vector<ShownItem> ShownTree()
{
    std::vector<ShownItem> items;
    Walk(RelatedItem(g_ui.tree, nullptr, TVGN_ROOT), 0, [&](HTREEITEM item, int depth) {
        TVITEMW query{TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_HANDLE, item};
        SendMessageW(g_ui.tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
        items.push_back({depth, ItemText(g_ui.tree, item), query.iImage, query.iSelectedImage, query.lParam});
    });
    return items;
}

std::vector<HTREEITEM> ShownItemHandles()
{
    std::vector<HTREEITEM> handles;
    Walk(RelatedItem(g_ui.tree, nullptr, TVGN_ROOT), 0, [&](HTREEITEM item, int) { handles.push_back(item); });
    return handles;
}

bool PressKey(UINT key)
{
    BYTE state[256] = {};
    state[VK_CONTROL] = key & kCtrl ? 0x80 : 0, state[VK_SHIFT] = key & kShift ? 0x80 : 0;
    SetKeyboardState(state);
    SetActiveWindow(g_ui.main);
    MSG msg{g_ui.tree, WM_KEYDOWN, key & 0xFFFF, 1, 0, {}};
    bool taken = TranslateKeys(g_ui.main, &msg);
    SetKeyboardState(std::array<BYTE, 256>{}.data());
    return taken;
}

HTREEITEM CaretItem() { return RelatedItem(g_ui.tree, nullptr, TVGN_CARET); }

HTREEITEM ItemAtPath(const std::vector<std::wstring>& titles)
{
    HTREEITEM item = nullptr;
    for (const std::wstring& title : titles) {
        item = RelatedItem(g_ui.tree, item, item ? TVGN_CHILD : TVGN_ROOT);
        while (item && ItemText(g_ui.tree, item) != title) item = RelatedItem(g_ui.tree, item, TVGN_NEXT);
        if (!item) return nullptr;
    }
    return item;
}

HTREEITEM Select(const std::vector<std::wstring>& titles)
{
    HTREEITEM item = ItemAtPath(titles);
    EXPECT_TRUE(item && SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
    return item;
}

std::string Cp932(const char* utf8)
{
    std::string bytes;
    Narrow(WideFromUtf8(utf8), &bytes);
    return bytes;
}

void ExpectTreeMatchesRebuild()
{
    std::vector<ShownItem> before = ShownTree();
    RebuildTree(0xFFFF);
    EXPECT_EQ(before, ShownTree());
}

std::vector<ListItem> ItemsOfList(const std::vector<std::string>& lines, bool sorted)
{
    // Each shown line goes under the item made last one level up; images: DIR_O GRP_C GRP_O DIR_C URL_S URL_NS.
    std::vector<ListItem> made;
    std::vector<std::vector<int>> children(1);   // [0]: the top level; [k + 1]: item k
    int lastAtDepth[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    for (size_t i = 0; i < lines.size() && i < 65535; ++i) {
        if (!HasShownDepth(lines[i])) continue;
        int depth = ShownDepthOf(lines[i]), parent = depth == 0 ? -1 : lastAtDepth[depth - 1];
        int shownDepth = parent < 0 ? 0 : made[static_cast<size_t>(parent)].shown.depth + 1;
        bool url = !IsFolderLine(lines[i]);
        ShownItem looks{shownDepth, Widen(LineTitle(lines[i])), url ? 5 : depth == 0 ? 1 : 3,
                        url ? 4 : depth == 0 ? 2 : 0, url ? kUrlItemData : kFolderItemData};
        lastAtDepth[depth] = static_cast<int>(made.size());
        made.push_back({i, parent, looks});
        children[static_cast<size_t>(parent + 1)].push_back(lastAtDepth[depth]);
        children.emplace_back();
    }
    std::vector<ListItem> shown;
    std::function<void(int, int)> layOut = [&](int parent, int shownParent) {
        std::vector<int>& siblings = children[static_cast<size_t>(parent + 1)];
        if (sorted)
            std::stable_sort(siblings.begin(), siblings.end(), [&](int a, int b) {
                return CompareItemTitles(made[a].shown.text.c_str(), made[b].shown.text.c_str()) < 0;
            });
        for (int k : siblings) {
            shown.push_back({made[k].line, shownParent, made[k].shown});
            layOut(k, static_cast<int>(shown.size()) - 1);
        }
    };
    layOut(-1, -1);
    return shown;
}

void ExpectTreeMatchesList()
{
    std::vector<ShownItem> expected;
    for (const ListItem& item : ItemsOfList(g_bookmarks.lines, g_set.sortFlg == 1)) expected.push_back(item.shown);
    EXPECT_EQ(ShownTree(), expected);
}


RECT MainWindowRect()
{
    RECT rect{};
    GetWindowRect(g_ui.main, &rect);
    return rect;
}
