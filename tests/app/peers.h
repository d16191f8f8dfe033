// The helper programs the tests start (built beside win_tests.exe) and the App Paths entries that
// lead to them. Every wait is bounded; nothing outlives the object that started it.
#pragma once
#include <optional>
#include <string>
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

// For the current user only, or in HKEY_LOCAL_MACHINE's 64-bit or 32-bit view.
enum class AppPathsPlace { User, Machine64, Machine32 };

// Sets the default values of App Paths keys (nullopt removes one); Clear, also when the object
// goes, puts back in reverse order what was there (two entries may be one key).
class AppPathsEntries {
public:
    ~AppPathsEntries() { Clear(); }
    void Set(const wchar_t* keyName, const std::optional<std::wstring>& exe, AppPathsPlace place);
    void Clear();

private:
    struct Saved { HKEY root; REGSAM view; std::wstring key; bool existed; std::optional<std::wstring> value; };
    std::vector<Saved> saved_;
};
