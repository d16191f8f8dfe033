// The helper role of win_tests.exe.
#include "tests/app/helper_process.h"

#include <windows.h>
#include <shellapi.h>

#include "app/exit_save.h"
#include "core/lines.h"
#include "core/list_bytes.h"
#include "list/list_file.h"
#include "tests/app/faulty_file.h"
#include "tree/state.h"

bool RunAsHelper(int* exitCode)
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);   // left to the process's end
    if (!argv || argc != 4 || std::wstring(argv[1]) != L"--helper") return false;
    SetCurrentDirectoryW(argv[2]);
    g_paths.programDir = argv[2];
    g_paths.listFile = g_paths.programDir + L"\\list.dat";
    (void)LoadListFile(g_paths.listFile);
    AddLine(g_bookmarks, kHelperAddedLine);
    bool backup = std::wstring(argv[3]) == L"backup";
    g_fileFaults.diskRoom = backup ? static_cast<long long>(FormatListBytes(g_bookmarks.lines).size()) * 3 / 2 : -1;
    g_fileFaults.endWhenDiskFull = true;
    g_fileFaults.endBeforeReplacing = !backup;
    RunExitSave(SaveUi::None);
    *exitCode = 0;   // not ended: the test sees exit code 0
    return true;
}
