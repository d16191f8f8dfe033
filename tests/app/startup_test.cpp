// Start-up and exit as only real runs show them: settings no run of the program wrote still give a
// usable window that shows and saves the list; list file names the system refuses; the selection
// kept across runs; hand edits of the list file kept aside; a list file outside the program's folder.
#include <algorithm>
#include <regex>
#include <vector>

#include "app/docking.h"
#include "core/lines.h"
#include "core/list_path.h"
#include "platform/file.h"
#include "platform/registry.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tests/app/screen.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"

namespace {

const std::string kSample = "0Work\\\r\n1Tools\\\r\n2Editor,http://e\r\n0Home\\\r\n1Mail,http://m\r\n";

// A registry value as a test writes it: a number, text, or raw data of any type.
struct StoredValue {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
};
StoredValue Number(const wchar_t* name, DWORD value)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    return {name, REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof value)};
}
StoredValue Text(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {name, type, std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t))};
}

// The whole window within the screen (a shown auto-hide bar reaches 2 below the taskbar's top)
// and big enough to use; a bar that auto-hid is first brought back, as the pointer at the edge does.
void ExpectUsableWindowOnScreen()
{
    if (IsBarHidden()) SendMessageW(g_ui.main, WM_SETCURSOR, reinterpret_cast<WPARAM>(g_ui.main), HTCLIENT);
    RECT r = MainWindowRect(), tree{};
    EXPECT_TRUE(IsWindowVisible(g_ui.main));
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= kScreenWidth && r.bottom <= kScreenHeight + 2) << r;
    EXPECT_TRUE(r.right - r.left >= 100 && r.bottom - r.top >= 100) << r;
    GetWindowRect(g_ui.tree, &tree);
    EXPECT_TRUE(tree.right > tree.left && tree.bottom > tree.top) << tree;
}

using StartupExitTest = AppTest;

// Numbers far out of range, values of the wrong type or size, strings of 100 KB.
TEST_F(StartupExitTest, BadSettingsStillStartOnTheScreenShowTheListAndSaveIt)
{
    const std::wstring k100KB(100 * 1024, L'x');
    const std::vector<std::vector<StoredValue>> rows = {
        {Number(L"X", 0x7FFFFFFF), Number(L"Y", 0x7FFFFFFF), Text(L"datafile", k100KB), Text(L"curpath", k100KB)},
        {Number(L"FloatMode", 0), Number(L"dt_width", 100000), Number(L"AppBarMode", 2)},
        {Number(L"FloatMode", 0), Number(L"AppBarMode", 0xFFFFFFFF), Number(L"HideTime", 0xFFFFFFFF)},
        {Text(L"X", L"100"), Text(L"Width", L"300"), Text(L"FloatMode", L"0"), Text(L"dt_width", L"5000", REG_EXPAND_SZ),
         Text(L"SelectWeb", L"2", REG_MULTI_SZ), Number(L"datafile", 0x41414141)},
        {{L"X", REG_BINARY, std::vector<BYTE>(2, 0xFF)}, {L"Width", REG_QWORD, std::vector<BYTE>(8, 0xFF)},
         {L"dt_width", REG_BINARY, std::vector<BYTE>(100 * 1024, 0x7F)}, {L"HideTime", REG_DWORD, {}},
         {L"datafile", REG_BINARY, std::vector<BYTE>(100 * 1024, 'a')}}};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        ClearSettings();
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        for (const StoredValue& v : rows[i])
            RegSetValueExW(key, v.name, 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
        RegCloseKey(key);
        WriteFileBytes(L"list.dat", kSample);
        WriteFileBytes(L"_backup.dat", "");
        Start();
        ExpectUsableWindowOnScreen();
        EXPECT_EQ(ShownTree().size(), 5u);
        ExpectTreeMatchesRebuild();
        PumpFor(150);   // a few ticks of the hide timer, and the commands that read the settings
        for (WORD command : {IDM_SWITCHEDGE, IDM_TOGGLEEXPAND, IDM_REDOCK}) SendMessageW(g_ui.main, WM_COMMAND, command, 0);
        PumpMessages();
        EXPECT_EQ(ShownTree().size(), 5u);
        Exit();
        EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample);
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample);
    }
}

// Names the system refuses: list.dat stays untouched, and the edits of the run are saved under the
// name when the system takes it, else in a side file the user is told about. unreadable: the name
// opens no file that can be read, and the user is told at the start.
TEST_F(StartupExitTest, EditsAreSavedUnderTheDataFileNameOrAside)
{
    const struct { const wchar_t* datafile; bool unreadable; } rows[] = {
        {L"NUL", true}, {L"CON", true}, {L"*?.dat", true}, {L"sub\\x.dat", false}, {L"..\\escape.dat", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(NarrowForLog(row.datafile));
        SetSettingString(L"datafile", row.datafile);
        WriteFileBytes(L"list.dat", kSample);
        g_shownMessages.clear();
        Start();
        ExpectUsableWindowOnScreen();
        EXPECT_EQ(g_shownMessages.size(), row.unreadable ? 1u : 0u);
        AddLine(g_bookmarks, "0Added\\");
        Exit();
        EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample);
        std::wstring target = ListFilePathFor(folder(), row.datafile);
        std::string saved;
        std::vector<SideFile> aside = SideFiles(folder(), true), temp = SideFiles(TemporaryFolder(), true);
        aside.insert(aside.end(), temp.begin(), temp.end());
        if (ReadWholeFile(target, 1u << 20, &saved, FILE_SHARE_READ) == ReadResult::Read &&
            saved.find("0Added\\\r\n") != std::string::npos) {
            EXPECT_TRUE(aside.empty());
            DeleteFileW(target.c_str());
            continue;
        }
        ASSERT_EQ(aside.size(), 1u) << "the edits went to one side file";
        EXPECT_NE(aside[0].bytes.find("0Added\\\r\n"), std::string::npos);
        EXPECT_FALSE(g_shownMessages.empty());
    }
}

TEST_F(StartupExitTest, SelectionAtExitIsTheNextStartsSelection)
{
    WriteFileBytes(L"list.dat", kSample);
    SetSettingDword(L"SortFlg", 1);
    Start();
    Select({L"Work", L"Tools", L"Editor"});
    Exit();
    EXPECT_EQ(StoredDword(L"CurSelect"), 2u);
    Start();
    EXPECT_EQ(CaretItem(), ItemAtPath({L"Work", L"Tools", L"Editor"}));
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, 0);
    Exit();
    EXPECT_EQ(StoredDword(L"CurSelect"), 65535u);
    Start();
    EXPECT_EQ(CaretItem(), nullptr);
}

// The list file edited in a text editor while the program runs, and the list changed too: a new
// time stamp alone is no edit; an edited file is kept aside before the list replaces it, without
// a word while the session ends and with one message at the exit, and no copy replaces another.
TEST_F(StartupExitTest, HandEditsAreKeptAsideBeforeTheListReplacesThem)
{
    WriteFileBytes(L"list.dat", kSample);
    Start();
    AddLine(g_bookmarks, "0Added\\");
    HANDLE file = CreateFileW(PathOf(L"list.dat").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME later{0, 0x02000000};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &later));
    CloseHandle(file);
    const struct { const char* edit; bool exits; } steps[] = {
        {"", false}, {"0First edit\\\r\n", false}, {"0Second edit\\\r\n", true}};
    for (const auto& step : steps) {
        if (*step.edit) WriteFileBytes(L"list.dat", step.edit);
        AddLine(g_bookmarks, "0More\\");
        if (step.exits) Exit();
        else SendMessageW(g_ui.main, WM_ENDSESSION, TRUE, 0);
        EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(g_bookmarks.lines));
    }
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), ListFileBytes(g_bookmarks.lines));
    std::vector<std::wstring> copies;   // in name order: the order they were made
    for (const std::wstring& name : NamesInFolder(folder()))
        if (name.rfind(L"list_edited_", 0) == 0) copies.push_back(name);
    std::sort(copies.begin(), copies.end());
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(ReadFileBytes(copies[0]), "0First edit\\\r\n");
    EXPECT_EQ(ReadFileBytes(copies[1]), "0Second edit\\\r\n");
    for (const std::wstring& name : copies)
        EXPECT_TRUE(std::regex_match(NarrowForLog(name), std::regex(R"(list_edited_\d{4}-\d\d-\d\d_\d{6}(_\d+)?\.dat)")))
            << NarrowForLog(name);
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_NE(g_shownMessages[0].text.find(PathOf(copies[1])), std::wstring::npos);
}

// A list kept elsewhere (a synced folder), named with slashes, is read and saved there, and the
// setting keeps the value the user gave.
TEST_F(StartupExitTest, DataFileOutsideTheProgramDirKeepsItsPlace)
{
    std::wstring value = PathOf(L"sync\\my.dat");
    std::replace(value.begin(), value.end(), L'\\', L'/');
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"sync").c_str(), nullptr));
    WriteFileBytes(L"sync\\my.dat", kSample);
    SetSettingString(L"datafile", value);
    Start();
    EXPECT_EQ(g_bookmarks.lines.size(), 5u);
    AddLine(g_bookmarks, "0Added\\");
    Exit();
    EXPECT_EQ(ReadFileBytes(L"sync\\my.dat"), kSample + "0Added\\\r\n");
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample + "0Added\\\r\n");
    EXPECT_EQ(ReadFileBytes(L"my.dat"), "<missing>");
    std::wstring stored;
    ASSERT_TRUE(ReadSettingString(L"datafile", &stored));
    EXPECT_EQ(stored, value);
}

}  // namespace
