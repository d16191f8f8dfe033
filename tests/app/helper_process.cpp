// The helper role of win_tests.exe and the starting of it. Every wait is bounded.
#include "tests/app/helper_process.h"

#include <shellapi.h>

#include "app/exit_save.h"
#include "core/lines.h"
#include "core/list_bytes.h"
#include "list/list_file.h"
#include "tests/app/faulty_file.h"
#include "tests/support/support.h"
#include "tree/state.h"

static constexpr wchar_t kHelperSwitch[] = L"--helper";

// Ends the process at `step` of the exit save of the list in `folder`, with one line added.
static int SaveAndEnd(const std::wstring& folder, const std::wstring& step)
{
    SetCurrentDirectoryW(folder.c_str());
    g_paths.programDir = folder;
    g_paths.listFile = folder + L"\\list.dat";
    (void)LoadListFile(g_paths.listFile);
    AddLine(g_bookmarks, kHelperAddedLine);
    size_t listBytes = FormatListBytes(g_bookmarks.lines).size();
    if (step == L"writing") {
        g_fileFaults.diskRoom = static_cast<long long>(listBytes / 2);
        g_fileFaults.endWhenDiskFull = true;
    } else if (step == L"replacing") {
        g_fileFaults.endBeforeReplacing = true;
    } else if (step == L"backup") {
        g_fileFaults.diskRoom = static_cast<long long>(listBytes + listBytes / 2);
        g_fileFaults.endWhenDiskFull = true;
    }
    RunExitSave(SaveUi::None);
    return 0;   // not ended: the test sees exit code 0
}

bool RunAsHelper(int* exitCode)
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3 || std::wstring(argv[1]) != kHelperSwitch) {
        if (argv) LocalFree(argv);
        return false;
    }
    std::wstring role = argv[2];
    std::vector<std::wstring> args(argv + 3, argv + argc);
    LocalFree(argv);
    *exitCode = 1;
    if (role == L"save" && args.size() == 2) *exitCode = SaveAndEnd(args[0], args[1]);
    return true;
}

HelperProcess::~HelperProcess()
{
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

bool HelperProcess::Launch(const std::vector<std::wstring>& args)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + kHelperSwitch;
    for (const std::wstring& arg : args) commandLine += L" \"" + arg + L"\"";
    return StartProgram(commandLine, nullptr, &process_);
}

DWORD HelperProcess::SaveUntilEnded(const std::wstring& folder, const std::wstring& step)
{
    if (!Launch({L"save", folder, step})) return 1;
    if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0) return 2;
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}
