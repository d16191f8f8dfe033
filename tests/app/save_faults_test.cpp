// Saves that meet trouble: the list file held by another process or read-only, a folder that
// refuses new files or vanishes, a disk that fills, a process ended part of the way through.
// After each, the list file holds its old bytes or the new ones, never a mix; the backup is
// never replaced by a failed save; no temporary file is left where a save could clean up.
#include "core/lines.h"
#include "list/list_file.h"
#include "platform/file.h"
#include "tests/app/faulty_file.h"
#include "tests/app/harness.h"
#include "tests/app/helper_process.h"
#include "tests/app/scripted_message_box.h"
#include "tests/app/temp_folder.h"
#include "tree/state.h"

namespace {

const std::string kOld = "0Old\\\r\n1a,http://a/\r\n";
const std::string kOldBackup = "0Backup of an earlier run\\\r\n";
const std::string kNew = kOld + "0New\\\r\n";

class SaveFaultTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        WriteFileBytes(L"list.dat", kOld);
        WriteFileBytes(L"_backup.dat", kOldBackup);
    }

    // Starts, adds the line that makes kNew, and leaves the exit to the test.
    void StartAndChange()
    {
        Start();
        ASSERT_EQ(ListLines().size(), 2u);
        AddLine(g_bookmarks, "0New\\");
    }

    std::vector<std::wstring> NamesWith(const std::wstring& folder, const wchar_t* part) const
    {
        std::vector<std::wstring> names;
        for (const std::wstring& name : NamesInFolder(folder))
            if (name.find(part) != std::wstring::npos) names.push_back(name);
        return names;
    }

    // Where a save that could not replace the list file put the list.
    enum class KeptIn { Beside, TemporaryFolder, Nowhere };

    // A failed save: the old file and backup as they were, the user told, the list kept where
    // `where` says (and removed from the temporary folder), and no temporary file left.
    void ExpectFailedSaveKeptEverything(KeptIn where)
    {
        EXPECT_EQ(ReadFileBytes(L"list.dat"), kOld);
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kOldBackup) << "a failed save never touches the backup";
        ASSERT_EQ(g_shownMessages.size(), 1u);
        EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
        std::vector<std::string> beside = SideFileContents(folder(), false);
        std::vector<std::string> inTemp = SideFileContents(TemporaryFolder(), true);
        EXPECT_EQ(beside.size(), where == KeptIn::Beside ? 1u : 0u);
        EXPECT_EQ(inTemp.size(), where == KeptIn::TemporaryFolder ? 1u : 0u);
        for (const std::string& kept : beside) EXPECT_EQ(kept, kNew);
        for (const std::string& kept : inTemp) EXPECT_EQ(kept, kNew);
        std::vector<std::wstring> names = NamesWith(folder(), L"_unsaved_");
        if (where == KeptIn::Beside && names.size() == 1) {
            EXPECT_NE(g_shownMessages[0].text.find(names[0]), std::wstring::npos) << "the message names the file";
        }
    }
};

TEST_F(SaveFaultTest, ListFileHeldByAnotherProcess)
{
    StartAndChange();
    {
        HelperProcess holder;
        ASSERT_TRUE(holder.HoldFile(PathOf(L"list.dat")));
        Exit();
    }
    std::string list = ReadFileBytes(L"list.dat");
    if (list == kNew) {
        // The platform let the new file take the name while the old one stays open.
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kNew);
        EXPECT_TRUE(g_shownMessages.empty());
    } else {
        ExpectFailedSaveKeptEverything(KeptIn::Beside);
    }
    EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
}

TEST_F(SaveFaultTest, ReadOnlyListFile)
{
    StartAndChange();
    ASSERT_TRUE(SetFileAttributesW(PathOf(L"list.dat").c_str(), FILE_ATTRIBUTE_READONLY));
    Exit();
    SetFileAttributesW(PathOf(L"list.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
    if (ReadFileBytes(L"list.dat") == kNew) {
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kNew);
    } else {
        ExpectFailedSaveKeptEverything(KeptIn::Beside);
    }
    EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
}

TEST_F(SaveFaultTest, FolderThatRefusesNewFilesSendsTheListToTheTemporaryFolder)
{
    StartAndChange();
    g_fileFaults.readOnlyFolders = {folder()};
    Exit();
    ExpectFailedSaveKeptEverything(KeptIn::TemporaryFolder);
}

TEST_F(SaveFaultTest, FolderThatVanishesKeepsItsFilesAndTheListGoesAside)
{
    StartAndChange();
    // The program works with whole paths; the test process only has to leave the folder to move it.
    SetCurrentDirectoryW(TemporaryFolder().c_str());
    std::wstring moved = folder() + L"-moved";
    ASSERT_TRUE(MoveFileW(folder().c_str(), moved.c_str()));
    Exit();
    bool reappeared = GetFileAttributesW(folder().c_str()) != INVALID_FILE_ATTRIBUTES;
    ASSERT_TRUE(MoveFileW(moved.c_str(), folder().c_str()));
    EXPECT_FALSE(reappeared) << "the save made the folder again";
    ExpectFailedSaveKeptEverything(KeptIn::TemporaryFolder);
}

TEST_F(SaveFaultTest, DiskThatFillsWhileTheListIsWritten)
{
    StartAndChange();
    g_fileFaults.diskRoom = static_cast<long long>(kNew.size() / 2);
    Exit();
    ExpectFailedSaveKeptEverything(KeptIn::Nowhere);
    EXPECT_NE(g_shownMessages[0].text.find(L"保存できる場所がありませんでした"), std::wstring::npos);
}

TEST_F(SaveFaultTest, DiskThatFillsWhileTheBackupIsWrittenKeepsTheOldBackup)
{
    StartAndChange();
    g_fileFaults.diskRoom = static_cast<long long>(kNew.size() + kNew.size() / 2);
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kNew);
    EXPECT_EQ(g_fileFaults.diskRoom, 0) << "the backup is written through the file layer";
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kOldBackup);
    EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
}

TEST_F(SaveFaultTest, LooseBytesAreWrittenBackInTheListFilesOwnForm)
{
    // Bytes the program would not write itself: a NUL, an LF alone, no last line end.
    const std::string odd("0Old\\\n1a,http://a/\0\r\n1b,http://b/", 32);
    const std::string own = "0Old\\\r\n1a,http://a/\r\n1b,http://b\r\n";
    WriteFileBytes(L"list.dat", odd);
    Start();
    EXPECT_EQ(ListLines().size(), 3u);
    g_fileFaults.readOnlyFolders = {folder()};   // no write can succeed: the old file stays
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), odd);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kOldBackup) << "a failed save never replaces the backup";

    g_fileFaults = FileFaults();
    g_shownMessages.clear();
    Start();
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), own);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), own);
    EXPECT_TRUE(g_shownMessages.empty());

    // Once the file holds the list's own bytes, an unchanged run needs no write at all.
    g_fileFaults.readOnlyFolders = {folder()};
    Start();
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), own);
    EXPECT_TRUE(g_shownMessages.empty());
}

// A save ended part of the way through, as by a kill, in a process of its own; then the next start.
struct EndedSave {
    const char* name;
    const wchar_t* step;
    bool listReplaced;   // the list file holds the new list afterwards
    bool keptAside;      // the next start keeps what the save was writing, and tells
};

void PrintTo(const EndedSave& c, std::ostream* out) { *out << c.name; }

class EndedSaveTest : public SaveFaultTest, public ::testing::WithParamInterface<EndedSave> {};

TEST_P(EndedSaveTest, LeavesOneWholeListAndTheNextStartSettlesTheRest)
{
    const EndedSave& c = GetParam();
    const std::string added = kOld + kHelperAddedLine + "\r\n";
    {
        HelperProcess saver;
        ASSERT_EQ(saver.SaveUntilEnded(folder(), c.step), kEndedByFault);
    }
    EXPECT_EQ(ReadFileBytes(L"list.dat"), c.listReplaced ? added : kOld);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kOldBackup);
    ASSERT_EQ(TemporaryFilesIn(folder()).size(), 1u) << "the ended save left its temporary file";

    Start();
    EXPECT_EQ(ListLines().size(), c.listReplaced ? 3u : 2u);
    EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
    std::vector<std::wstring> side = NamesWith(folder(), L"_unsaved_");
    ASSERT_EQ(side.size(), c.keptAside ? 1u : 0u);
    ASSERT_EQ(g_shownMessages.size(), c.keptAside ? 1u : 0u);
    if (c.keptAside) {
        EXPECT_NE(g_shownMessages[0].text.find(side[0]), std::wstring::npos);
        std::string kept = ReadFileBytes(side[0]);
        EXPECT_EQ(kept, added.substr(0, kept.size())) << "the side file holds what the save was writing";
    }
    Exit();
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), ReadFileBytes(L"list.dat"));
}

INSTANTIATE_TEST_SUITE_P(Steps, EndedSaveTest, ::testing::Values(
    EndedSave{"WhileWritingTheList", L"writing", false, true},
    EndedSave{"BeforeTheReplace", L"replacing", false, true},
    EndedSave{"WhileWritingTheBackup", L"backup", true, false}),
    [](const ::testing::TestParamInfo<EndedSave>& info) { return std::string(info.param.name); });

}  // namespace
