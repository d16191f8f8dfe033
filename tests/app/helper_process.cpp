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

bool RunAsHelper(int* exitCode)
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    bool helper = argv && argc == 4 && std::wstring(argv[1]) == L"--helper";
    if (helper) {
        std::wstring folder = argv[2], step = argv[3];
        SetCurrentDirectoryW(folder.c_str());
        g_paths.programDir = folder;
        g_paths.listFile = folder + L"\\list.dat";
        (void)LoadListFile(g_paths.listFile);
        AddLine(g_bookmarks, kHelperAddedLine);
        long long listBytes = static_cast<long long>(FormatListBytes(g_bookmarks.lines).size());
        g_fileFaults.diskRoom = step == L"writing" ? listBytes / 2 : step == L"backup" ? listBytes * 3 / 2 : -1;
        g_fileFaults.endWhenDiskFull = true;
        g_fileFaults.endBeforeReplacing = step == L"replacing";
        RunExitSave(SaveUi::None);
        *exitCode = 0;   // not ended: the test sees exit code 0
    }
    if (argv) LocalFree(argv);
    return helper;
}

DWORD SaveUntilEnded(const std::wstring& folder, const std::wstring& step)
{
    PROCESS_INFORMATION p{};
    DWORD code = 1;
    if (!StartProgram(L"\"" + BesideProgram(L"win_tests.exe") + L"\" --helper \"" + folder + L"\" \"" + step + L"\"",
                      nullptr, &p))
        return code;
    if (WaitForSingleObject(p.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(p.hProcess, &code);
    else TerminateProcess(p.hProcess, 99);
    CloseHandle(p.hProcess);
    CloseHandle(p.hThread);
    return code;
}
