// Reload of the list file and restore of the backup in the real window: what replaces the
// list, what is selected, and files that are missing or cannot be read.
#include "core/lines.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

using Lines = std::vector<std::string>;

constexpr wchar_t kNoBackup[] = L"前回終了時のﾃﾞｰﾀが保存されていない為\n実行できません";

class ReloadRestoreTest : public AppTest {
protected:
    void Show(const Lines& lines)
    {
        SetSettingDword(L"SortFlg", 0);
        SetSettingDword(L"CurSelect", 1);
        WriteFileBytes(L"list.dat", ListFileBytes(lines));
        Start();
    }
    std::wstring CaretText()
    {
        HTREEITEM caret = CaretItem();
        return caret ? ItemText(g_ui.tree, caret) : L"<none>";
    }
    // The command, then the caret's text and the check against a rebuild.
    std::wstring Run(WORD command)
    {
        RunCommand(command);
        std::wstring caret = CaretText();
        ExpectTreeMatchesRebuild();
        return caret;
    }
    HANDLE Lock(const std::wstring& name) const
    {
        return CreateFileW(PathOf(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
};

const Lines kList{"0Work\\", "1Tools\\", "2Editor,http://e", "0Home\\", "1Mail,http://m"};

TEST_F(ReloadRestoreTest, ReloadDiscardsThisRunsChangesAndSelectsTheFirstItem)
{
    Show(kList);
    EXPECT_EQ(CaretText(), L"Tools");
    Select({L"Home"});
    g_queuedAnswers = {IDYES};
    RunCommand(IDM_DELETE);
    ASSERT_EQ(ListLines().size(), 3u);
    EXPECT_EQ(Run(IDM_RELOAD), L"Work");
    EXPECT_EQ(ListLines(), kList);
    EXPECT_EQ(g_shownMessages.size(), 1u) << "reload asks nothing";
}

TEST_F(ReloadRestoreTest, ReloadOfAFileThatCannotBeReadKeepsTheList)
{
    Show(kList);
    Select({L"Home"});
    g_queuedAnswers = {IDYES};
    RunCommand(IDM_DELETE);
    Lines edited = ListLines();
    ASSERT_EQ(edited.size(), 3u);
    HANDLE lock = Lock(L"list.dat");
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Run(IDM_RELOAD);
    CloseHandle(lock);
    EXPECT_EQ(ListLines(), edited);
    ASSERT_EQ(g_shownMessages.size(), 2u);
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(kList)) << "a file that could not be read is never replaced";
}

TEST_F(ReloadRestoreTest, ReloadOfAMissingFileKeepsTheList)
{
    Show(kList);
    DeleteFileW(PathOf(L"list.dat").c_str());
    Run(IDM_RELOAD);
    EXPECT_EQ(ListLines(), kList);
    EXPECT_EQ(g_shownMessages.size(), 1u);
}

TEST_F(ReloadRestoreTest, RestoreAsksAndKeepsTheListWithoutAReadableBackup)
{
    Show(kList);
    g_queuedAnswers = {IDNO};
    Run(IDM_RESTORE);
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_EQ(g_shownMessages[0].text, L"前回終了時の状態に戻してよろしいですか？");
    EXPECT_EQ(g_shownMessages[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));

    g_queuedAnswers = {IDYES};
    EXPECT_EQ(Run(IDM_RESTORE), L"<none>");   // the check above rebuilt the tree
    ASSERT_EQ(g_shownMessages.size(), 3u);
    EXPECT_EQ(g_shownMessages[2].text, kNoBackup);

    WriteFileBytes(L"_backup.dat", ListFileBytes({"0Old\\"}));
    HANDLE lock = Lock(L"_backup.dat");
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    g_queuedAnswers = {IDYES};
    Run(IDM_RESTORE);
    CloseHandle(lock);
    ASSERT_EQ(g_shownMessages.size(), 5u);
    EXPECT_NE(g_shownMessages[4].text.find(L"_backup.dat"), std::wstring::npos);
    EXPECT_EQ(ListLines(), kList);
}

TEST_F(ReloadRestoreTest, RestoredListIsWrittenAndBackedUpAtExit)
{
    Lines backup{"0Old\\", "1Page,http://old"};
    WriteFileBytes(L"_backup.dat", ListFileBytes(backup));
    Show(kList);
    g_queuedAnswers = {IDYES};
    EXPECT_EQ(Run(IDM_RESTORE), L"Old");
    EXPECT_EQ(ListLines(), backup);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(kList)) << "restore writes nothing by itself";
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(backup));
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), ListFileBytes(backup));
}

}  // namespace
