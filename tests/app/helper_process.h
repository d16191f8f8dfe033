// win_tests.exe started again as a helper, to save and be ended part of the way, as by a kill.
#pragma once

// True when started as win_tests --helper FOLDER STEP: adds kHelperAddedLine to FOLDER's list and
// runs the exit save set to end the process at STEP ("replacing" or "backup").
bool RunAsHelper(int* exitCode);

constexpr const char* kHelperAddedLine = "0Added by the helper\\";
