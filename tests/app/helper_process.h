// win_tests.exe started again as a helper in a process of its own, to save and be ended part of
// the way through, as by a kill.
#pragma once
#include <string>

#include <windows.h>

// True when this process was started as a helper; `exitCode` is then its result.
bool RunAsHelper(int* exitCode);

// Runs a helper that loads the list file of `folder`, adds kHelperAddedLine and runs the exit
// save set to end the process at `step` ("writing", "replacing" or "backup"). Returns its exit
// code (kEndedByFault when it ended there), waiting up to 30 seconds.
DWORD SaveUntilEnded(const std::wstring& folder, const std::wstring& step);

constexpr const char* kHelperAddedLine = "0Added by the helper\\";
