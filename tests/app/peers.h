// The helper programs the tests start (built beside win_tests.exe) and the registry entries
// that lead to them. Every wait is bounded; nothing outlives the object that started it.
#pragma once
#include "tests/app/harness.h"
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

// The full path of a program built beside the tests.
inline std::wstring BesideTests(const wchar_t* name) { return BesideProgram(name); }

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

// A log file's lines (without line ends); none when it does not exist.
inline std::vector<std::string> LogLines(const std::wstring& path) { return SplitLines(ReadBytes(path).value_or("")); }

// Where an App Paths entry is kept: for the current user only, or in HKEY_LOCAL_MACHINE's
// 64-bit or 32-bit registry view (one and the same where the Wine prefix shares the views).
enum class AppPathsPlace { User, Machine64, Machine32 };

// Sets the default value of an App Paths key (or removes it for nullopt) and puts back what was
// there when the object goes.
class AppPathsEntry {
public:
    AppPathsEntry(const wchar_t* keyName, const std::optional<std::wstring>& exe,
                  AppPathsPlace place = AppPathsPlace::Machine64);
    AppPathsEntry(const AppPathsEntry&) = delete;
    AppPathsEntry& operator=(const AppPathsEntry&) = delete;
    ~AppPathsEntry();

private:
    HKEY root_;
    REGSAM view_;
    std::wstring key_;
    bool keyExisted_ = false;
    std::optional<std::wstring> previous_;
};

// Several entries, put back in the reverse order they were set: two of them may be one key.
class AppPathsEntries {
public:
    ~AppPathsEntries() { Clear(); }
    void Set(const wchar_t* keyName, const std::optional<std::wstring>& exe, AppPathsPlace place)
    {
        entries_.push_back(std::make_unique<AppPathsEntry>(keyName, exe, place));
    }
    void Clear() { while (!entries_.empty()) entries_.pop_back(); }

private:
    std::vector<std::unique_ptr<AppPathsEntry>> entries_;
};
