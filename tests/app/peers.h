// The helper programs the tests start and the App Paths entries that lead to them; waits are bounded.
#pragma once
#include "tests/app/harness.h"

inline std::vector<std::string> LogLines(const std::wstring& path) { return SplitLines(ReadBytes(path).value_or("")); }

// A helper program that sets the event named by its first argument once it serves (Start waits for that);
// Stop, also when the object goes, posts WM_QUIT to its thread, then terminates it.
struct Peer {
    ~Peer() { Stop(); }
    bool Start(const wchar_t* program, const std::wstring& arg);
    void Stop();
    PROCESS_INFORMATION process_{};
};

// The user's App Paths keys (none the prefix's own): Set makes one with the default value `exe`;
// the object deletes what it made when it goes.
struct AppPathsEntries {
    ~AppPathsEntries();
    void Set(const wchar_t* keyName, const wchar_t* exe);
    std::vector<std::wstring> made_;
};
