// The real program measured from outside. Under Wine, GetProcessTimes reports next to nothing
// for another process (a process that has spun for seconds shows 10 ms), so there the CPU
// time is read from the Linux process's own counters, found by the program's path on its
// command line.
#include "bench/program_process.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "bench/bench_common.h"
#include "platform/registry.h"
#include "res/resource.h"

static constexpr DWORD kIdleMs = 10000;

// The main window of process `pid`, waited for up to `ms`.
static HWND WindowOfProcess(DWORD pid, DWORD ms)
{
    HWND found = nullptr;
    PumpUntil([&] {
        for (HWND main = nullptr; !found && (main = FindWindowExW(nullptr, main, L"LARKIT", nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(main, &owner);
            if (owner == pid) found = main;
        }
        return found != nullptr;
    }, ms);
    return found;
}

static bool RunsUnderWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

static std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The Linux process folder (Z:\proc\N) whose command line holds `marker`; empty when none.
static std::wstring FindLinuxProcess(const std::string& marker)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (find == INVALID_HANDLE_VALUE) return {};
    std::wstring match;
    do {
        if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') continue;
        std::wstring folder = std::wstring(L"Z:\\proc\\") + found.cFileName;
        std::string command = ReadBytes(folder + L"\\cmdline").value_or("");
        if (Lower(command).find(marker) != std::string::npos) match = folder;
    } while (match.empty() && FindNextFileW(find, &found));
    FindClose(find);
    return match;
}

// User plus system time from a /proc stat line, in ms (clock ticks of 1/100 s, the kernel's
// USER_HZ on the machines Wine runs on). Negative when it cannot be read.
static double LinuxCpuMs(const std::wstring& processFolder)
{
    std::string stat = ReadBytes(processFolder + L"\\stat").value_or("");
    size_t name = stat.rfind(')');
    if (name == std::string::npos) return -1;
    std::istringstream fields(stat.substr(name + 1));
    std::string field;
    double user = -1, system = -1;
    for (int n = 3; fields >> field && n <= 15; ++n) {   // the fields after the name start at 3
        if (n == 14) user = std::stod(field);
        if (n == 15) system = std::stod(field);
    }
    return user < 0 || system < 0 ? -1 : (user + system) * 10.0;
}

static double FileTimeMs(const FILETIME& time)
{
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000.0;
}

struct Measured {
    HANDLE process = nullptr;
    std::wstring linuxFolder;   // under Wine
};

static double CpuMs(const Measured& program)
{
    if (!program.linuxFolder.empty()) return LinuxCpuMs(program.linuxFolder);
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(program.process, &created, &exited, &kernel, &user)) return -1;
    return FileTimeMs(kernel) + FileTimeMs(user);
}

// CPU time the program uses in kIdleMs while this process only waits.
static double CpuOverIdleSpan(const Measured& program)
{
    double before = CpuMs(program);
    PumpFor(kIdleMs);
    double after = CpuMs(program);
    return before < 0 || after < 0 ? -1 : after - before;
}

static bool Fail(const char* what)
{
    std::fprintf(stderr, "larkit_bench: %s\n", what);
    return false;
}

static void PrintIdle(const char* name, double cpuMs)
{
    if (cpuMs < 0) {
        Fail("the program's CPU time cannot be read");
        return;
    }
    PrintFigure(name, cpuMs, "ms");
    std::string share = std::string(name) + "_share";
    PrintFigure(share.c_str(), 100.0 * cpuMs / kIdleMs, "%");
}

// Docked at the left edge, hiding itself: the settings the program reads at start.
static void StoreDockedAutoHide()
{
    (void)RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    (void)RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, L"FloatMode", 0);
    (void)RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, L"AppBarMode", 0);
    (void)RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, L"HideMode", 1);
}

static bool MeasureStarted(Measured& program, HWND main, size_t listLines)
{
    // The window is found as soon as it exists, before its tree does.
    auto shown = [&] { return static_cast<size_t>(SendMessageW(GetDlgItem(main, IDC_TREE), TVM_GETCOUNT, 0, 0)); };
    if (!PumpUntil([&] { return shown() == listLines; }, 60000))
        return Fail("larkit.exe did not show the whole list");

    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(program.process, &counters, sizeof counters))
        PrintFigure("peak_working_set_program", static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0), "MiB");

    // The pointer away from the bar, so that it hides to its strip.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    bool hidden = PumpUntil([&] {
        RECT bar{};
        GetWindowRect(main, &bar);
        return bar.right - bar.left < 20;   // the strip, not the 200-pixel bar
    }, 5000);
    if (!hidden) (void)Fail("the docked bar did not hide; idle_cpu_docked_autohide is of the shown bar");
    PumpFor(1000);   // past the hide and the first ticks after it
    PrintIdle("idle_cpu_docked_autohide", CpuOverIdleSpan(program));

    if (FindWindowW(L"DRAVLON", nullptr)) return Fail("a companion window exists: no waiting request to measure");
    PostMessageW(main, WM_SENDURL, 0, 0);
    PrintIdle("idle_cpu_sendurl_waiting", CpuOverIdleSpan(program));
    return true;
}

bool MeasureProgramProcess(const std::wstring& folder, size_t listLines)
{
    std::wstring beside = BesideProgram(L"larkit.exe");
    // A copy in the list's folder: its path on the command line names the process.
    std::wstring exe = folder + L"\\larkit.exe";
    if (!CopyFileW(beside.c_str(), exe.c_str(), FALSE)) return Fail("larkit.exe is not beside the benchmark");

    StoreDockedAutoHide();
    PROCESS_INFORMATION started{};
    if (!StartProgram(L"\"" + exe + L"\"", folder.c_str(), &started)) return Fail("larkit.exe could not be started");
    CloseHandle(started.hThread);
    Measured program;
    program.process = started.hProcess;
    HWND main = nullptr;
    bool ok = (main = WindowOfProcess(started.dwProcessId, 20000)) != nullptr || Fail("no window of larkit.exe");
    if (ok && RunsUnderWine()) {
        std::wstring name = folder.substr(folder.find_last_of(L'\\') + 1);
        program.linuxFolder = FindLinuxProcess(Lower(std::string(name.begin(), name.end())) + "\\larkit.exe");
        if (program.linuxFolder.empty()) Fail("the program's Linux process was not found; GetProcessTimes is used");
    }
    if (ok) ok = MeasureStarted(program, main, listLines);
    if (main) PostMessageW(main, WM_COMMAND, IDM_EXIT, 0);
    if (!PumpUntil([&] { return WaitForSingleObject(started.hProcess, 0) == WAIT_OBJECT_0; }, 60000)) {
        TerminateProcess(started.hProcess, 1);
        WaitForSingleObject(started.hProcess, 5000);
        ok = Fail("larkit.exe did not end after IDM_EXIT");
    }
    CloseHandle(started.hProcess);
    (void)RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    return ok;
}
