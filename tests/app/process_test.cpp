// The program as a user starts it: its own process in its own folder, ended from outside.
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
        std::wstring exe = BesideTests(L"larkit.exe");
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        EXPECT_TRUE(CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder().c_str(), &si, &pi));
        started_.push_back(pi);
        return pi.hProcess;
    }

    // The main window of one of `processes` (`which` tells whose), waited for up to ten seconds.
    static HWND WaitForWindow(std::initializer_list<HANDLE> processes, size_t* which = nullptr)
    {
        for (int waited = 0; waited < 10000; waited += 20) {
            HWND main = FindWindowW(L"LARKIT", nullptr);
            DWORD owner = 0;
            if (main) GetWindowThreadProcessId(main, &owner);
            for (size_t i = 0; main && i < processes.size(); ++i) {
                if (owner != GetProcessId(processes.begin()[i])) continue;
                if (which) *which = i;
                return main;
            }
            Sleep(20);
        }
        return nullptr;
    }

    static DWORD WaitForExit(HANDLE process)
    {
        if (WaitForSingleObject(process, 15000) != WAIT_OBJECT_0) return 12345;
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        return code;
    }

private:
    std::vector<PROCESS_INFORMATION> started_;
};

const std::string kList = Cp932("0仕事\\\r\n1表計算,http://x/\r\n");

TEST_F(ProcessTest, SecondStartEndsAtOnceAndTheFirstSavesOnExitCommand)
{
    WriteFileBytes(L"list.dat", kList);
    HANDLE first = Launch();
    HWND main = WaitForWindow({first});
    ASSERT_NE(main, nullptr);

    HANDLE second = Launch();
    EXPECT_EQ(WaitForExit(second), 0u);
    EXPECT_TRUE(IsWindow(main));

    PostMessageW(main, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(WaitForExit(first), 0u);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kList);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kList);
    DWORD floatMode = 7;
    EXPECT_TRUE(ReadSettingDword(L"FloatMode", &floatMode));
    EXPECT_EQ(floatMode, 1u);
}

// Each pair starts while the instance before it may still be in its exit save, its window
// already hidden: one of the pair runs then, never both, never neither.
TEST_F(ProcessTest, OfTwoStartsAtOnceExactlyOneRuns)
{
    WriteFileBytes(L"list.dat", kList);
    HANDLE running = nullptr;
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        HANDLE pair[2] = {Launch(), Launch()};
        size_t runs = 0;
        HWND main = WaitForWindow({pair[0], pair[1]}, &runs);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(WaitForExit(pair[1 - runs]), 0u);
        EXPECT_TRUE(IsWindowVisible(main));
        if (running) {
            EXPECT_EQ(WaitForExit(running), 0u);
        }
        running = pair[runs];
        PostMessageW(main, WM_COMMAND, IDM_EXIT, 0);
        for (int waited = 0; waited < 5000 && IsWindowVisible(main); waited += 5) Sleep(5);
    }
    EXPECT_EQ(WaitForExit(running), 0u);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kList);
}

TEST_F(ProcessTest, ClosingTheWindowSaves)
{
    HANDLE process = Launch();
    HWND main = WaitForWindow({process});
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(process), 0u);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), "");
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), "");
}

}  // namespace
