// The Windows tests started again as a helper in a process of its own, to save and be ended
// part of the way through, as by a kill.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

// True when this process was started as a helper; `exitCode` is then its result.
bool RunAsHelper(int* exitCode);

// A helper process; ended (terminated, if still running) when the object goes.
class HelperProcess {
public:
    HelperProcess() = default;
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;
    ~HelperProcess();

    // Loads the list file of `folder`, adds a line and runs the exit save with the fault
    // `step` ("writing", "replacing" or "backup") set to end the process there. Returns its
    // exit code (kEndedByFault when it ended at the step), waiting up to 30 seconds.
    DWORD SaveUntilEnded(const std::wstring& folder, const std::wstring& step);

private:
    bool Launch(const std::vector<std::wstring>& args);
    PROCESS_INFORMATION process_{};
};

// The line the saving helper adds to the list before its save.
constexpr const char* kHelperAddedLine = "0Added by the helper\\";
