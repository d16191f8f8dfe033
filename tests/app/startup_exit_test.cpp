// Start-up and exit over several runs: the selection kept across runs, hand edits of the list
// file kept aside, and a list file kept outside the program's folder.
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

}  // namespace

namespace {

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

}  // namespace
