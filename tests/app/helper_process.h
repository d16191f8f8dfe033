// win_tests.exe started again as a helper in a process of its own, to save and be ended part of
// the way through, as by a kill.
#pragma once

// True when this process was started as a helper (win_tests --helper FOLDER STEP): it loads the
// list file of FOLDER, adds kHelperAddedLine and runs the exit save set to end the process at
// STEP ("replacing" or "backup"); `exitCode` is then its result.
bool RunAsHelper(int* exitCode);

constexpr const char* kHelperAddedLine = "0Added by the helper\\";
