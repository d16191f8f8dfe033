// What the Windows tests and the benchmarks share (no gtest here).
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

// Message pumps: all that is queued; until `done` holds or `ms` pass (whether it holds); for `ms`.
void PumpMessages();
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 1000);
inline void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

// Moves the real pointer and waits until it stays there; when it does not, calls g_pointerSlipped.
bool PointAt(LONG x, LONG y);
inline void (*g_pointerSlipped)(LONG x, LONG y) = nullptr;

// A whole file (none when it cannot be opened), its text lines; writing one.
std::optional<std::string> ReadBytes(const std::wstring& path);
std::vector<std::string> SplitLines(const std::string& bytes);
bool WriteBytes(const std::wstring& path, const std::string& bytes);

// Holds a file open without sharing, as another program might, while the object lives.
struct HeldOpen {
    HANDLE handle;
    explicit HeldOpen(const std::wstring& path)
        : handle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    HeldOpen(const HeldOpen&) = delete;
    ~HeldOpen() { if (held()) CloseHandle(handle); }
    bool held() const { return handle != INVALID_HANDLE_VALUE; }
};

// Names in a folder; the temporary folder (no \ at the end); a new empty folder there; removal with all in it.
std::vector<std::wstring> NamesInFolder(const std::wstring& folder);
std::wstring TemporaryFolder();
std::wstring MakeScratchFolder(const std::wstring& name);
void RemoveFolder(const std::wstring& folder);

// The side files ("*_unsaved_*") of a list that could not be saved; deleted when `take`.
struct SideFile { std::wstring name; std::string bytes; };
std::vector<SideFile> SideFiles(const std::wstring& folder, bool take);

// A program beside this one; started.
std::wstring BesideProgram(const wchar_t* name);
bool StartProgram(std::wstring commandLine, const wchar_t* dir, PROCESS_INFORMATION* started);

// The main window in this process with its list loaded (null when it cannot be made); ended by IDM_EXIT.
HWND StartMainWindow();
void ExitMainWindow();

// UTF-16 as UTF-8 for logs, and back.
std::string NarrowForLog(const std::wstring& text);
std::wstring WideFromUtf8(const char* utf8);
