// The helper programs the tests start (built beside win_tests.exe) and the App Paths entries that
// lead to them. Every wait is bounded; nothing outlives the object that started or made it.
#pragma once
#include <string>
#include <tuple>
#include <vector>

#include "tests/app/harness.h"

inline std::wstring BesideTests(const wchar_t* name) { return BesideProgram(name); }
inline std::vector<std::string> LogLines(const std::wstring& path) { return SplitLines(ReadBytes(path).value_or("")); }

// A started helper program: its first argument is an event it sets once it serves, which Start
// waits for. Stop (also when the object goes) posts WM_QUIT to its thread, then terminates it.
class Peer {
public:
    ~Peer() { Stop(); }
    bool Start(const wchar_t* program, const std::vector<std::wstring>& args);
    void Stop();

private:
    PROCESS_INFORMATION process_{};
};

// App Paths keys for the current user only, or in HKEY_LOCAL_MACHINE's 64-bit or 32-bit view,
// none of them the prefix's own: Set makes one with the default value `exe` (null deletes it),
// and the object deletes what it made when it goes.
enum class AppPathsPlace { User, Machine64, Machine32 };
class AppPathsEntries {
public:
    ~AppPathsEntries();
    void Set(const wchar_t* keyName, const wchar_t* exe, AppPathsPlace place);

private:
    std::vector<std::tuple<HKEY, REGSAM, std::wstring>> made_;
};
