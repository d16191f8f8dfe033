// Saves ended part of the way, as by a kill, in a helper process: the list file holds the old or the
// new bytes, never a mix; the backup stays; the next start settles what was left.
#include "core/lines.h"
#include "core/list_bytes.h"
#include "platform/file.h"
#include "tests/app/faulty_file.h"
#include "tests/app/harness.h"
#include "tests/app/helper_process.h"
#include "tests/app/scripted_message_box.h"

namespace {

// Per step: is the list new afterwards (the next start removes the temporary file, else keeps it aside).
using SaveFaultTest = AppTest;
TEST_F(SaveFaultTest, EndedSaveLeavesOneWholeListAndTheNextStartSettlesTheRest)
{
    const std::string old = "0Old\\\r\n1a,http://a/\r\n", oldBackup = "0Backup of an earlier run\\\r\n";
    const std::string added = old + kHelperAddedLine + "\r\n";
    for (auto [step, listReplaced] : {std::pair{L"replacing", false}, {L"backup", true}}) {
        WriteFileBytes(L"list.dat", old);
        WriteFileBytes(L"_backup.dat", oldBackup);
        g_shownMessages.clear();
        PROCESS_INFORMATION p{};
        DWORD code = 1;
        StartProgram(L"\"" + BesideProgram(L"win_tests.exe") + L"\" --helper \"" + folder() + L"\" " + step, nullptr, &p);
        if (WaitForSingleObject(p.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(p.hProcess, &code);
        CloseHandle(p.hProcess);
        CloseHandle(p.hThread);
        ASSERT_EQ(code, kEndedByFault) << listReplaced;
        EXPECT_EQ(ReadFileBytes(L"list.dat"), listReplaced ? added : old);
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), oldBackup);
        ASSERT_EQ(TemporaryFilesIn(folder()).size(), 1u) << "the ended save left its temporary file";
        Start();
        EXPECT_EQ(g_bookmarks.lines.size(), listReplaced ? 3u : 2u);
        EXPECT_TRUE(TemporaryFilesIn(folder()).empty());
        std::vector<SideFile> side = SideFiles(folder(), true);
        ASSERT_EQ(side.size(), listReplaced ? 0u : 1u);
        ASSERT_EQ(g_shownMessages.size(), side.size());
        EXPECT_TRUE(side.empty() || side[0].bytes == added) << "the side file holds what the save was writing";
        Exit();
    }
}

}  // namespace
