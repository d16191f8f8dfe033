// Saves a row of tests/app/rows_test.cpp cannot hold: a read-only list file, where the platform
// decides the outcome, and saves ended part of the way through, as by a kill, in a process of
// their own. After each, the list file holds its old bytes or the new ones, never a mix, and
// the backup is never replaced by a failed save.
#include "core/lines.h"
#include "platform/file.h"
#include "tests/app/faulty_file.h"
#include "tests/app/harness.h"
#include "tests/app/helper_process.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"

namespace {

const std::string kOld = "0Old\\\r\n1a,http://a/\r\n";
const std::string kOldBackup = "0Backup of an earlier run\\\r\n";

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
    std::vector<SideFile> side = SideFiles(folder(), false);
    if (ReadFileBytes(L"list.dat") == kOld + "0New\\\r\n") {
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kOld + "0New\\\r\n");
        EXPECT_TRUE(side.empty());
    } else {
        EXPECT_EQ(ReadFileBytes(L"list.dat"), kOld);
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kOldBackup);
        ASSERT_EQ(side.size(), 1u);
        EXPECT_EQ(side[0].bytes, kOld + "0New\\\r\n");
    }
    EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
}

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
    std::vector<SideFile> side = SideFiles(folder(), false);
    ASSERT_EQ(side.size(), c.keptAside ? 1u : 0u);
    ASSERT_EQ(g_shownMessages.size(), c.keptAside ? 1u : 0u);
    if (c.keptAside) {
        EXPECT_NE(g_shownMessages[0].text.find(side[0].name), std::wstring::npos);
        EXPECT_EQ(side[0].bytes, added.substr(0, side[0].bytes.size())) << "the side file holds what the save was writing";
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
