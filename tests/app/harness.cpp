// Test harness over the real main window.
#include "tests/app/harness.h"

#include "app/docking.h"
#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/state.h"
#include "list/lines.h"
#include "platform/file.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/app/faulty_file.h"
#include "tests/app/recorded_shell.h"
#include "tests/app/scripted_message_box.h"
#include "tests/app/temp_folder.h"
#include "tree/find.h"
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

void ExpectTreeMatchesRebuild()
{
    std::vector<ShownItem> before = ShownTree();
    RebuildTree(0xFFFF);
    std::vector<ShownItem> rebuilt = ShownTree();
    ASSERT_EQ(before.size(), rebuilt.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i], rebuilt[i]) << "item " << i << " shown as \"" << std::string(before[i].text.begin(), before[i].text.end())
                                         << "\", rebuilt as \"" << std::string(rebuilt[i].text.begin(), rebuilt[i].text.end()) << "\"";
    }
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
