// The program in its own process (the exit and its saves from another program: tests/release/start_from_zip.sh).
#include "tests/app/harness.h"

namespace {

// Of two starts at once one shows its window and the other ends: one WM_CLOSE ends both.
using ProcessTest = AppTest;
TEST_F(ProcessTest, OfTwoStartsAtOnceExactlyOneRuns)
{
    WriteFileBytes(L"list.dat", "0A\\\r\n");
    PROCESS_INFORMATION pair[2]{};
    for (PROCESS_INFORMATION& p : pair) StartProgram(L"\"" + BesideProgram(L"larkit.exe") + L"\"", folder().c_str(), &p);
    HWND main = nullptr;
    for (int waited = 0; !IsWindowVisible(main) && waited < 20000; waited += 20, Sleep(20))
        main = FindWindowW(L"LARKIT", nullptr);
    HANDLE both[2] = {pair[0].hProcess, pair[1].hProcess};
    EXPECT_NE(WaitForMultipleObjects(2, both, FALSE, 20000), WAIT_TIMEOUT) << "the other start ends by itself";
    PostMessageW(main, WM_CLOSE, 0, 0);
    for (PROCESS_INFORMATION& p : pair) {   // a second running instance would not end
        DWORD code = 12345;   // not ended within 20 s
        if (WaitForSingleObject(p.hProcess, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(p.hProcess, &code);
        EXPECT_EQ(code, 0u);
        TerminateProcess(p.hProcess, 99);
        CloseHandle(p.hProcess);
        CloseHandle(p.hThread);
    }
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), "0A\\\r\n");
}

}  // namespace
