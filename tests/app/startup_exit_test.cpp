// Start-up and exit of the real window: placement, settings read and written, the list and
// its backup, the selection kept across runs, and files that cannot be read.
#include <algorithm>
#include <regex>

#include "core/lines.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

class StartupExitTest : public AppTest {
protected:
    DWORD Setting(const wchar_t* name)
    {
        DWORD value = 0xDEADBEEF;
        EXPECT_TRUE(ReadSettingDword(name, &value)) << "missing " << std::string(name, name + wcslen(name));
        return value;
    }
    RECT WindowRect()
    {
        RECT rect{};
        GetWindowRect(g_ui.main, &rect);
        return rect;
    }
    // The side files that keep hand edits of list.dat, in name order: the order they were made
    // (within one second the first has no number).
    std::vector<std::wstring> EditedCopies()
    {
        std::vector<std::wstring> copies;
        for (const std::wstring& name : FilesInFolder())
            if (name.rfind(L"list_edited_", 0) == 0) copies.push_back(name);
        std::sort(copies.begin(), copies.end());
        return copies;
    }
};

const std::string kSample = "0Work\\\r\n1Tools\\\r\n2Editor,http://e\r\n0Home\\\r\n1Mail,http://m\r\n";

TEST_F(StartupExitTest, FirstStartFloatsWithDefaultsAndWritesEverythingAtExit)
{
    WriteFileBytes(L"list.dat", kSample);
    Start();
    RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 20);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.bottom - rect.top, 600);
    EXPECT_EQ(GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    EXPECT_EQ(GetDlgCtrlID(g_ui.tree), IDC_TREE);
    for (int id : {IDC_BOOKMARKLIST, IDC_CLIPLIST, IDC_IMPORTLIST, IDC_SORTEDLIST, IDC_CLIPEDIT})
        EXPECT_NE(GetDlgItem(g_ui.main, id), nullptr) << id;
    EXPECT_EQ(g_set.selectWeb, 1u);
    EXPECT_EQ(g_set.chkFindStr, 2u);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Work");   // CurSelect 0
    EXPECT_TRUE(g_shownMessages.empty());

    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample);
    EXPECT_EQ(Setting(L"FloatMode"), 1u);
    EXPECT_EQ(Setting(L"X"), 20u);
    EXPECT_EQ(Setting(L"Y"), 20u);
    EXPECT_EQ(Setting(L"Width"), 200u);
    EXPECT_EQ(Setting(L"Height"), 600u);
    EXPECT_EQ(Setting(L"SelectWeb"), 1u);
    EXPECT_EQ(Setting(L"dt_width"), 200u);
    EXPECT_EQ(Setting(L"AppBarMode"), 0u);
    EXPECT_EQ(Setting(L"CurSelect"), 0u);
    std::wstring text;
    ASSERT_TRUE(ReadSettingString(L"datafile", &text));
    EXPECT_EQ(text, L"list.dat");
    ASSERT_TRUE(ReadSettingString(L"curpath", &text));
    EXPECT_EQ(text, folder());
}

TEST_F(StartupExitTest, StoredSettingsAreUsed)
{
    WriteFileBytes(L"my.dat", kSample);
    SetSettingString(L"datafile", L"my.dat");
    SetSettingDword(L"X", 100);
    SetSettingDword(L"Y", 50);
    SetSettingDword(L"Width", 300);
    SetSettingDword(L"Height", 400);
    SetSettingDword(L"TopMode", 0);
    SetSettingDword(L"SelectWeb", 4);
    SetSettingDword(L"CurSelect", 4);
    Start();
    RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 400);
    EXPECT_EQ(GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(g_set.selectWeb, 4u);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Mail");
    EXPECT_EQ(FindWindowW(L"LARKIT", nullptr), g_ui.main);

    Exit();
    EXPECT_EQ(ReadFileBytes(L"my.dat"), kSample);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample);
    EXPECT_FALSE(FileExists(L"list.dat"));
    std::wstring text;
    ASSERT_TRUE(ReadSettingString(L"datafile", &text));
    EXPECT_EQ(text, L"my.dat");
    EXPECT_EQ(Setting(L"SelectWeb"), 4u);
    EXPECT_EQ(Setting(L"CurSelect"), 4u);
}

TEST_F(StartupExitTest, SelectionAtExitIsTheNextStartsSelection)
{
    WriteFileBytes(L"list.dat", kSample);
    SetSettingDword(L"SortFlg", 1);
    Start();
    HTREEITEM editor = ItemAtPath({L"Work", L"Tools", L"Editor"});
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(editor));
    Exit();
    EXPECT_EQ(Setting(L"CurSelect"), 2u);

    Start();
    EXPECT_EQ(CaretItem(), ItemAtPath({L"Work", L"Tools", L"Editor"}));
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, 0);
    Exit();
    EXPECT_EQ(Setting(L"CurSelect"), 65535u);
    Start();
    EXPECT_EQ(CaretItem(), nullptr);
}

TEST_F(StartupExitTest, EndSessionSavesAndKeepsRunning)
{
    WriteFileBytes(L"list.dat", kSample);
    Start();
    AddLine(g_bookmarks, "0Added\\");
    SendMessageW(g_ui.main, WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(IsWindow(g_ui.main));
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample + "0Added\\\r\n");
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample + "0Added\\\r\n");
    EXPECT_EQ(Setting(L"CurSelect"), 0u);
}

// The list file edited in a text editor while the program runs: a new time stamp alone is no
// edit; an edited file is kept aside before the list replaces it, without a word while the
// session ends and with one message at the exit, and no copy replaces another.
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
    SendMessageW(g_ui.main, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(g_bookmarks.lines));
    EXPECT_TRUE(EditedCopies().empty());

    struct Step { const char* edit; bool sessionEnds; };
    for (Step step : {Step{"0First edit\\\r\n", true}, Step{"0Second edit\\\r\n", false}}) {
        WriteFileBytes(L"list.dat", step.edit);
        AddLine(g_bookmarks, "0More\\");
        if (step.sessionEnds)
            SendMessageW(g_ui.main, WM_ENDSESSION, TRUE, 0);
        else
            Exit();
        EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(g_bookmarks.lines));
    }
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), ListFileBytes(g_bookmarks.lines));
    std::vector<std::wstring> copies = EditedCopies();
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(ReadFileBytes(copies[0]), "0First edit\\\r\n");
    EXPECT_EQ(ReadFileBytes(copies[1]), "0Second edit\\\r\n");
    for (const std::wstring& name : copies)
        EXPECT_TRUE(std::regex_match(NarrowForLog(name), std::regex(R"(list_edited_\d{4}-\d\d-\d\d_\d{6}(_\d+)?\.dat)")))
            << NarrowForLog(name);
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_NE(g_shownMessages[0].text.find(PathOf(copies[1])), std::wstring::npos);
}

// The list as it was last read or saved: the edit is the newer list and stays, and the backup
// keeps the list of a completed exit.
TEST_F(StartupExitTest, HandEditStaysWhenTheListDidNotChange)
{
    WriteFileBytes(L"list.dat", kSample);
    Start();
    WriteFileBytes(L"list.dat", "0Edited\\\r\n");
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), "0Edited\\\r\n");
    EXPECT_TRUE(EditedCopies().empty());
    EXPECT_TRUE(g_shownMessages.empty());
    EXPECT_FALSE(FileExists(L"_backup.dat"));
}

TEST_F(StartupExitTest, QuitLeavesTheFileAsItWas)
{
    WriteFileBytes(L"list.dat", kSample);
    Start();
    AddLine(g_bookmarks, "0Added\\");
    SendMessageW(g_ui.main, WM_COMMAND, IDM_QUIT, 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample);
    EXPECT_FALSE(FileExists(L"_backup.dat"));
    DestroyWindow(g_ui.main);   // the test's own clean-up; this one saves
    PumpMessages();
}

TEST_F(StartupExitTest, BarWidthOfThirtyOrLessIsNotWritten)
{
    SetSettingDword(L"dt_width", 77);
    Start();
    g_ui.widthTracking = false;
    g_set.dtWidth = 30;
    Exit();
    EXPECT_EQ(Setting(L"dt_width"), 77u);
}

TEST_F(StartupExitTest, UnreadableListIsReportedKeptAndEditsSavedAside)
{
    WriteFileBytes(L"list.dat", kSample);
    HANDLE lock = CreateFileW(PathOf(L"list.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Start();
    CloseHandle(lock);
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_NE(g_shownMessages[0].text.find(PathOf(L"list.dat")), std::wstring::npos);
    EXPECT_TRUE(ShownTree().empty());

    AddLine(g_bookmarks, "0Added\\");
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample);
    EXPECT_FALSE(FileExists(L"_backup.dat"));
    ASSERT_EQ(g_shownMessages.size(), 2u);
    std::wstring side;
    for (const std::wstring& name : FilesInFolder())
        if (name.find(L"_unsaved_") != std::wstring::npos) side = name;
    ASSERT_FALSE(side.empty());
    EXPECT_NE(g_shownMessages[1].text.find(side), std::wstring::npos);
    EXPECT_EQ(ReadFileBytes(side), "0Added\\\r\n");
}

TEST_F(StartupExitTest, FailedSaveKeepsTheBackupAndIsReportedButNotAtSessionEnd)
{
    WriteFileBytes(L"_backup.dat", "0previous\\\r\n");
    Start();
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"list.dat").c_str(), nullptr));   // the save cannot replace it
    AddLine(g_bookmarks, "0Added\\");
    SendMessageW(g_ui.main, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(g_shownMessages.empty());
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), "0previous\\\r\n");
    Exit();
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), "0previous\\\r\n");
}

}  // namespace

namespace {

TEST_F(StartupExitTest, LongDataFileNamesWork)
{
    // With the folder this gives a path past the platform's short-path limit.
    std::wstring name = std::wstring(240, L'n') + L".dat";
    SetSettingString(L"datafile", name);
    Start();
    AddLine(g_bookmarks, "0Long\\");
    Exit();
    EXPECT_EQ(ReadFileBytes(name), "0Long\\\r\n");
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), "0Long\\\r\n");
    std::wstring stored;
    ASSERT_TRUE(ReadSettingString(L"datafile", &stored));
    EXPECT_EQ(stored, name);
}

// A list kept in a sub-folder or elsewhere (a synced folder) is read and saved there, and the
// setting keeps the value the user gave, whatever its form.
TEST_F(StartupExitTest, DataFileOutsideTheProgramDirKeepsItsPlace)
{
    std::wstring absolute = PathOf(L"sync\\my.dat");
    std::wstring slashed = absolute;
    for (wchar_t& c : slashed)
        if (c == L'\\') c = L'/';
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"sync").c_str(), nullptr));
    for (const std::wstring& value : {std::wstring(L"sync\\my.dat"), absolute, slashed}) {
        SCOPED_TRACE(NarrowForLog(value));
        WriteFileBytes(L"sync\\my.dat", kSample);
        SetSettingString(L"datafile", value);
        Start();
        EXPECT_EQ(g_bookmarks.lines.size(), 5u);
        AddLine(g_bookmarks, "0Added\\");
        Exit();
        EXPECT_EQ(ReadFileBytes(L"sync\\my.dat"), kSample + "0Added\\\r\n");
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample + "0Added\\\r\n");
        std::wstring stored;
        ASSERT_TRUE(ReadSettingString(L"datafile", &stored));
        EXPECT_EQ(stored, value);
    }
    EXPECT_FALSE(FileExists(L"my.dat"));
}

TEST_F(StartupExitTest, DataFileNameBeyondItsCapacityFallsBackToListDat)
{
    SetSettingString(L"datafile", std::wstring(511, L'x'));
    WriteFileBytes(L"list.dat", kSample);
    Start();
    EXPECT_EQ(g_bookmarks.lines.size(), 5u);
}

}  // namespace
