// Test harness over the real main window.
#include "tests/app/harness.h"

#include <algorithm>
#include <iterator>

#include "app/docking.h"
#include "app/main_window.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "edit/find.h"
#include "platform/file.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/app/faulty_file.h"
#include "tests/app/recorded_shell.h"
#include "tests/app/scripted_message_box.h"
#include "tests/app/temp_folder.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

static bool s_classRegistered = false;

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms)
{
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
        // One message at a time, so that a window that keeps posting to itself cannot hold
        // the test here past its bound.
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return done();
}

static std::wstring MakeTestFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring base = std::wstring(temp) + L"larkit-tests";
    CreateDirectoryW(base.c_str(), nullptr);
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    std::wstring folder = base + L"\\" + WideFromUtf8(name.c_str()) + L"-" + std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void AppTest::SetUp()
{
    ClearSettings();
    g_shownMessages.clear();
    g_queuedAnswers.clear();
    g_shellRequests.clear();
    ResetLines(g_bookmarks);
    ResetLines(g_clip);
    g_find = FindState();
    g_ui = Ui();
    g_set = Settings();
    g_paths = Paths();
    g_dock = Dock();
    g_fileFaults = FileFaults();
    wchar_t dir[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, dir);
    previousDir_ = dir;
    folder_ = MakeTestFolder();
    SetCurrentDirectoryW(folder_.c_str());
    (void)SideFileContents(TemporaryFolder(), true);   // what an earlier run left there is no test's
}

void AppTest::TearDown()
{
    g_fileFaults = FileFaults();
    if (g_ui.main && IsWindow(g_ui.main)) Exit();
    SetCurrentDirectoryW(previousDir_.c_str());
    RemoveFolder(folder_);
    ClearSettings();
}

void AppTest::WriteFileBytes(const std::wstring& name, const std::string& bytes) const
{
    HANDLE file = CreateFileW(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

std::string AppTest::ReadFileBytes(const std::wstring& name) const
{
    HANDLE file = CreateFileW(PathOf(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

bool AppTest::FileExists(const std::wstring& name) const
{
    return GetFileAttributesW(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> NamesInFolder(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
}

std::wstring TemporaryFolder()
{
    wchar_t temp[MAX_PATH];
    std::wstring folder(temp, GetTempPathW(MAX_PATH, temp));
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

std::vector<std::string> SideFileContents(const std::wstring& folder, bool take)
{
    std::vector<std::string> contents;
    for (const std::wstring& name : NamesInFolder(folder)) {
        if (name.find(L"_unsaved_") == std::wstring::npos) continue;
        std::string bytes;
        if (ReadWholeFile(folder + L"\\" + name, 1u << 20, &bytes, FILE_SHARE_READ) == ReadResult::Read)
            contents.push_back(bytes);
        if (take) DeleteFileW((folder + L"\\" + name).c_str());
    }
    return contents;
}

std::vector<std::wstring> AppTest::FilesInFolder() const
{
    return NamesInFolder(folder_);
}

void AppTest::Start()
{
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (!s_classRegistered) s_classRegistered = RegisterMainClass(inst);
    ASSERT_TRUE(s_classRegistered);
    HWND main = CreateMainWindow(inst);
    ASSERT_NE(main, nullptr);
    ShowWindow(main, SW_SHOWNOACTIVATE);
    PumpMessages();
}

void AppTest::Exit()
{
    if (g_ui.main && IsWindow(g_ui.main)) SendMessageW(g_ui.main, WM_COMMAND, IDM_EXIT, 0);
    PumpMessages();
    g_ui.main = nullptr;
    g_ui.tree = nullptr;
}

void ClearSettings()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

void SetSettingDword(const wchar_t* name, DWORD value)
{
    RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, name, value);
}

void SetSettingString(const wchar_t* name, const std::wstring& value)
{
    RegWriteWideString(HKEY_CURRENT_USER, kSettingsKey, name, value);
}

bool ReadSettingDword(const wchar_t* name, DWORD* value)
{
    DWORD size = sizeof *value, type = 0;
    return RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &type, value, &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

DWORD StoredDword(const wchar_t* name)
{
    DWORD value = 0xDEADBEEF;
    EXPECT_TRUE(ReadSettingDword(name, &value)) << "missing " << name;
    return value;
}

bool ReadSettingString(const wchar_t* name, std::wstring* value)
{
    wchar_t text[2048];
    DWORD size = sizeof text, type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    *value = text;
    return true;
}

static HTREEITEM Next(HTREEITEM item, UINT relation)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

static void AppendShown(HTREEITEM first, int depth, std::vector<ShownItem>& out)
{
    for (HTREEITEM item = first; item; item = Next(item, TVGN_NEXT)) {
        TVITEMW query{};
        query.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_HANDLE;
        query.hItem = item;
        SendMessageW(g_ui.tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
        out.push_back({depth, ItemText(g_ui.tree, item), query.iImage, query.iSelectedImage, query.lParam});
        AppendShown(Next(item, TVGN_CHILD), depth + 1, out);
    }
}

std::vector<ShownItem> ShownTree()
{
    std::vector<ShownItem> items;
    AppendShown(Next(nullptr, TVGN_ROOT), 0, items);
    return items;
}

HTREEITEM CaretItem()
{
    return Next(nullptr, TVGN_CARET);
}

HTREEITEM ItemAtPath(const std::vector<std::wstring>& titles)
{
    HTREEITEM item = nullptr;
    for (const std::wstring& title : titles) {
        HTREEITEM child = item ? Next(item, TVGN_CHILD) : Next(nullptr, TVGN_ROOT);
        while (child && ItemText(g_ui.tree, child) != title) child = Next(child, TVGN_NEXT);
        if (!child) return nullptr;
        item = child;
    }
    return item;
}

std::wstring WideFromUtf8(const char* utf8)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

std::string Cp932(const char* utf8)
{
    std::string bytes;
    Narrow(WideFromUtf8(utf8), &bytes);
    return bytes;
}

void PrintTo(const ShownItem& item, std::ostream* out)
{
    *out << "{depth " << item.depth << ", \"" << NarrowForLog(item.text) << "\", images " << item.image << "/"
         << item.selectedImage << ", data " << item.data << "}";
}

std::string NarrowForLog(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

void ExpectTreeMatchesRebuild()
{
    std::vector<ShownItem> before = ShownTree();
    RebuildTree(0xFFFF);
    std::vector<ShownItem> rebuilt = ShownTree();
    ASSERT_EQ(before.size(), rebuilt.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i], rebuilt[i]) << "item " << i << " shown as \"" << NarrowForLog(before[i].text)
                                         << "\", rebuilt as \"" << NarrowForLog(rebuilt[i].text) << "\"";
    }
}

// Image indices in the order the tree's image list adds its bitmaps: DIR_O, GRP_C, GRP_O,
// DIR_C, URL_S, URL_NS (every bitmap loads in the tests).
static ShownItem LooksOf(int depth, const std::string& line)
{
    bool url = !IsFolderLine(line);
    int image = url ? 5 : depth == 0 ? 1 : 3;
    int selected = url ? 4 : depth == 0 ? 2 : 0;
    return {depth, Widen(LineTitle(line)), image, selected, url ? kUrlItemData : kFolderItemData};
}

std::vector<ListItem> ItemsOfList(const std::vector<std::string>& lines, bool sorted)
{
    // Each shown line goes under the item made last one level up (the top level when there is
    // none); then the children of each item are laid out depth-first.
    std::vector<ListItem> made;
    std::vector<std::vector<int>> children(1);   // [0]: the top level; [k + 1]: item k
    int lastAtDepth[10];
    std::fill(std::begin(lastAtDepth), std::end(lastAtDepth), -1);
    for (size_t i = 0; i < lines.size() && i < 65535; ++i) {
        if (!HasShownDepth(lines[i])) continue;
        int depth = ShownDepthOf(lines[i]);
        int parent = depth == 0 ? -1 : lastAtDepth[depth - 1];
        int index = static_cast<int>(made.size());
        made.push_back({i, parent, LooksOf(depth, lines[i])});
        made.back().shown.depth = parent < 0 ? 0 : made[static_cast<size_t>(parent)].shown.depth + 1;   // where it is shown
        children[static_cast<size_t>(parent + 1)].push_back(index);
        children.emplace_back();
        lastAtDepth[depth] = index;
    }
    std::vector<ListItem> shown;
    std::vector<int> shownIndex(made.size());
    std::function<void(int, int)> layOut = [&](int parent, int shownParent) {
        std::vector<int>& siblings = children[static_cast<size_t>(parent + 1)];
        if (sorted)
            std::stable_sort(siblings.begin(), siblings.end(), [&](int a, int b) {
                return CompareItemTitles(made[a].shown.text.c_str(), made[b].shown.text.c_str()) < 0;
            });
        for (int k : siblings) {
            shownIndex[k] = static_cast<int>(shown.size());
            shown.push_back({made[k].line, shownParent, made[k].shown});
            layOut(k, shownIndex[k]);
        }
    };
    layOut(-1, -1);
    return shown;
}

void ExpectTreeMatchesList()
{
    std::vector<ShownItem> tree = ShownTree();
    std::vector<ListItem> expected = ItemsOfList(g_bookmarks.lines, g_set.sortFlg == 1);
    ASSERT_EQ(tree.size(), expected.size()) << "items shown";
    for (size_t i = 0; i < tree.size(); ++i) {
        EXPECT_EQ(tree[i], expected[i].shown) << "item " << i << " shown as \"" << NarrowForLog(tree[i].text)
                                              << "\", a rebuild shows \"" << NarrowForLog(expected[i].shown.text) << "\"";
    }
}

static void AppendHandles(HTREEITEM first, std::vector<HTREEITEM>& out)
{
    for (HTREEITEM item = first; item; item = Next(item, TVGN_NEXT)) {
        out.push_back(item);
        AppendHandles(Next(item, TVGN_CHILD), out);
    }
}

std::vector<HTREEITEM> ShownItemHandles()
{
    std::vector<HTREEITEM> handles;
    AppendHandles(Next(nullptr, TVGN_ROOT), handles);
    return handles;
}

std::vector<std::string> ListLines()
{
    return g_bookmarks.lines;
}

std::string ListFileBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

HTREEITEM Select(const std::vector<std::wstring>& titles)
{
    HTREEITEM item = ItemAtPath(titles);
    EXPECT_NE(item, nullptr);
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return item;
}
