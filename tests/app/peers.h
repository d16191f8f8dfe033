// The helper programs the tests start (built beside win_tests.exe) and the registry entries
// that lead to them. Every wait is bounded; nothing outlives the object that started it.
#pragma once
#include "tests/app/harness.h"
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

// The full path of a program built beside the tests.
std::wstring BesideTests(const wchar_t* name);

// A started helper program. Its first argument is an event it sets once it serves; Start waits
// for that. Stopped (WM_QUIT to its thread, then terminated after a bounded wait) by Stop or
// when the object goes.
class Peer {
public:
    Peer() = default;
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;
    ~Peer() { Stop(); }
    bool Start(const wchar_t* program, const std::vector<std::wstring>& args);
    void Stop();

private:
    PROCESS_INFORMATION process_{};
};

// Handles this thread's messages for `ms` milliseconds.
void PumpFor(DWORD ms);

// A log file's lines (without line ends); none when it does not exist.
std::vector<std::string> LogLines(const std::wstring& path);

// Sets the default value of an App Paths key under HKEY_LOCAL_MACHINE (or removes it for
// nullopt) and puts back what was there when the object goes.
class AppPathsEntry {
public:
    AppPathsEntry(const wchar_t* keyName, const std::optional<std::wstring>& exe);
    AppPathsEntry(const AppPathsEntry&) = delete;
    AppPathsEntry& operator=(const AppPathsEntry&) = delete;
    ~AppPathsEntry();

private:
    std::wstring key_;
    bool keyExisted_ = false;
    std::optional<std::wstring> previous_;
};
