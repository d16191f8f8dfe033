// The program in its own process (the exit and its saves from another program: tests/release/start_from_zip.sh).
#include "tests/app/harness.h"

namespace {

// Of two starts at once exactly one shows its window; the other ends, and so does the first at WM_CLOSE.
using ProcessTest = AppTest;
TEST_F(ProcessTest, OfTwoStartsAtOnceExactlyOneRuns)
{
    WriteFileBytes(L"list.dat", "0A\\\r\n");
    PROCESS_INFORMATION pair[2]{};
    for (PROCESS_INFORMATION& p : pair) StartProgram(L"\"" + BesideProgram(L"larkit.exe") + L"\"", folder().c_str(), &p);
    HWND main = nullptr;
    for (int waited = 0; !IsWindowVisible(main) && waited < 20000; waited += 20, Sleep(20))
        main = FindWindowW(L"LARKIT", nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(main, &owner);
    size_t runs = owner == pair[1].dwProcessId;
    EXPECT_EQ(owner, pair[runs].dwProcessId);
    EXPECT_EQ(WaitForSingleObject(pair[1 - runs].hProcess, 20000), WAIT_OBJECT_0) << "the second start ends";
    PostMessageW(main, WM_CLOSE, 0, 0);
    for (PROCESS_INFORMATION& p : pair) {
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
