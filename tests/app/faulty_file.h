// The file steps as the Windows tests link them: the plain calls, unless a test sets faults.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

struct FileFaults {
    std::vector<std::wstring> readOnlyFolders;   // creating a file in one fails: access denied
    long long diskRoom = -1;                      // bytes the disk still takes; -1: no limit
    bool endWhenDiskFull = false;                 // the process ends at the write that fills it
    bool endBeforeReplacing = false;              // the process ends once a temporary file is written
};
extern FileFaults g_fileFaults;

constexpr UINT kEndedByFault = 77;   // the exit code of a process the faults ended
