// The program in its own process (IDM_EXIT from another program: tests/release/start_from_zip.sh).
#include "res/resource.h"
#include "tests/app/harness.h"

namespace {

DWORD ExitCodeOf(HANDLE process)   // 12345: not ended within 20 s
{
    DWORD code = 12345;
    if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    return code;
}

// Each pair starts while the last instance may still be saving, its window hidden: exactly one of
// the pair runs. Ended by both routes; the last close saves the list, its backup and the settings.
using ProcessTest = AppTest;
TEST_F(ProcessTest, OfTwoStartsAtOnceExactlyOneRuns)
{
    const std::string list = Cp932("0仕事\\\r\n1表計算,http://x/\r\n");
    WriteFileBytes(L"list.dat", list);
    std::vector<PROCESS_INFORMATION> started(20);
    HANDLE running = nullptr;
    for (int round = 0; round < 10; ++round) {
        PROCESS_INFORMATION* pair = &started[round * 2];
        for (int i = 0; i < 2; ++i) StartProgram(L"\"" + BesideProgram(L"larkit.exe") + L"\"", folder().c_str(), &pair[i]);
        HWND main = nullptr;
        DWORD owner = 0;
        for (int waited = 0; !owner && waited < 20000; waited += 20, Sleep(20)) {
            main = FindWindowW(L"LARKIT", nullptr);
            GetWindowThreadProcessId(main, &owner);
            if (owner != pair[0].dwProcessId && owner != pair[1].dwProcessId) owner = 0;
        }
        size_t runs = owner == pair[1].dwProcessId;
        EXPECT_EQ(ExitCodeOf(pair[1 - runs].hProcess), 0u) << round;
        EXPECT_TRUE(owner && IsWindowVisible(main)) << round;
        EXPECT_EQ(running ? ExitCodeOf(running) : 0u, 0u) << round;
        running = pair[runs].hProcess;
        PostMessageW(main, round % 2 ? WM_CLOSE : WM_COMMAND, IDM_EXIT, 0);
        for (int waited = 0; waited < 5000 && IsWindowVisible(main); waited += 5) Sleep(5);
    }
    EXPECT_EQ(ExitCodeOf(running), 0u);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), list);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), list);
    EXPECT_EQ(StoredDword(L"FloatMode"), 1u);
    for (PROCESS_INFORMATION& p : started) {
        if (p.hProcess && WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(p.hProcess, 99);
        CloseHandle(p.hProcess);
        CloseHandle(p.hThread);
    }
}

}  // namespace
