// Saves a row of tests/app/rows_test.cpp cannot hold: a read-only list file, where the platform
// decides, and saves ended part of the way through, as by a kill, in a process of their own. The
// list file holds its old bytes or the new ones, never a mix; a failed save never replaces the backup.
#include "core/lines.h"
#include "platform/file.h"
#include "tests/app/faulty_file.h"
#include "tests/app/harness.h"
#include "tests/app/helper_process.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"

namespace {

const std::string kOld = "0Old\\\r\n1a,http://a/\r\n", kOldBackup = "0Backup of an earlier run\\\r\n";

class SaveFaultTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        WriteFileBytes(L"list.dat", kOld);
        WriteFileBytes(L"_backup.dat", kOldBackup);
    }
};

TEST_F(SaveFaultTest, ReadOnlyListFileTakesTheSaveOrKeepsBoth)
{
    Start();
    AddLine(g_bookmarks, "0New\\");
    ASSERT_TRUE(SetFileAttributesW(PathOf(L"list.dat").c_str(), FILE_ATTRIBUTE_READONLY));
    Exit();
    SetFileAttributesW(PathOf(L"list.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string added = kOld + "0New\\\r\n";
    bool taken = ReadFileBytes(L"list.dat") == added;
    EXPECT_EQ(ReadFileBytes(L"list.dat"), taken ? added : kOld);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), taken ? added : kOldBackup);
    std::vector<SideFile> side = SideFiles(folder(), false);
    ASSERT_EQ(side.size(), taken ? 0u : 1u);
    EXPECT_TRUE(taken || side[0].bytes == added);
    EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
}

// The step the save ends at; whether the list file holds the new list afterwards; whether the
// next start keeps what the save was writing aside, and tells.
TEST_F(SaveFaultTest, EndedSaveLeavesOneWholeListAndTheNextStartSettlesTheRest)
{
    const std::string added = kOld + kHelperAddedLine + "\r\n";
    const struct { const wchar_t* step; bool listReplaced, keptAside; } rows[] = {
        {L"writing", false, true}, {L"replacing", false, true}, {L"backup", true, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(NarrowForLog(row.step));
        WriteFileBytes(L"list.dat", kOld);
        WriteFileBytes(L"_backup.dat", kOldBackup);
        g_shownMessages.clear();
        ASSERT_EQ(SaveUntilEnded(folder(), row.step), kEndedByFault);
        EXPECT_EQ(ReadFileBytes(L"list.dat"), row.listReplaced ? added : kOld);
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kOldBackup);
        ASSERT_EQ(TemporaryFilesIn(folder()).size(), 1u) << "the ended save left its temporary file";
        Start();
        EXPECT_EQ(ListLines().size(), row.listReplaced ? 3u : 2u);
        EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
        std::vector<SideFile> side = SideFiles(folder(), true);
        ASSERT_EQ(side.size(), row.keptAside ? 1u : 0u);
        ASSERT_EQ(g_shownMessages.size(), side.size());
        for (const SideFile& s : side) {
            EXPECT_NE(g_shownMessages[0].text.find(s.name), std::wstring::npos);
            EXPECT_EQ(s.bytes, added.substr(0, s.bytes.size())) << "the side file holds what the save was writing";
        }
        Exit();
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), ReadFileBytes(L"list.dat"));
    }
}

}  // namespace
