// The program as a user starts it: its own process in its own folder, ended from outside.
// (IDM_EXIT posted from another program: tests/release/start_from_zip.sh.)
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tests/app/peers.h"

namespace {

class ProcessTest : public AppTest {
protected:
    void TearDown() override
    {
        for (PROCESS_INFORMATION& p : started_) {
            if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(p.hProcess, 99);
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
        AppTest::TearDown();
    }
    HANDLE Launch()
    {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        EXPECT_TRUE(CreateProcessW(BesideTests(L"larkit.exe").c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                   folder().c_str(), &si, &pi));
        started_.push_back(pi);
        return pi.hProcess;
    }
    // The main window of one of the pair, and whose it is, waited for up to 20 s.
    static HWND WaitForWindow(const HANDLE pair[2], size_t* which)
    {
        for (int waited = 0; waited < 20000; waited += 20, Sleep(20)) {
            HWND main = FindWindowW(L"LARKIT", nullptr);
            DWORD owner = 0;
            GetWindowThreadProcessId(main, &owner);
            for (size_t i = 0; main && i < 2; ++i)
                if (owner == GetProcessId(pair[i])) return *which = i, main;
        }
        return nullptr;
    }
    static DWORD WaitForExit(HANDLE process)
    {
        DWORD code = 12345;   // not ended within 20 s
        if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
        return code;
    }
    std::vector<PROCESS_INFORMATION> started_;
};

const std::string kList = Cp932("0仕事\\\r\n1表計算,http://x/\r\n");

// Each pair starts while the instance before it may still be in its exit save, its window
// already hidden: one of the pair runs then, never both, never neither. Ended from outside by
// both routes, the last by closing its window, which saves the list, its backup and the settings.
TEST_F(ProcessTest, OfTwoStartsAtOnceExactlyOneRuns)
{
    WriteFileBytes(L"list.dat", kList);
    HANDLE running = nullptr;
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        HANDLE pair[2] = {Launch(), Launch()};
        size_t runs = 0;
        HWND main = WaitForWindow(pair, &runs);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(WaitForExit(pair[1 - runs]), 0u);
        EXPECT_TRUE(IsWindowVisible(main));
        EXPECT_EQ(running ? WaitForExit(running) : 0u, 0u);
        running = pair[runs];
        PostMessageW(main, round % 2 ? WM_CLOSE : WM_COMMAND, IDM_EXIT, 0);
        for (int waited = 0; waited < 5000 && IsWindowVisible(main); waited += 5) Sleep(5);
    }
    EXPECT_EQ(WaitForExit(running), 0u);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kList);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kList);
    EXPECT_EQ(StoredDword(L"FloatMode"), 1u);
}

}  // namespace
