// What the Windows tests and the benchmarks share (no gtest here): message pumps, the pointer,
// files and folders, started programs and the main window in this process.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

// Handles every queued message; PumpUntil one at a time until `done` holds or `ms` pass (whether
// it holds); PumpFor for `ms` whatever comes.
void PumpMessages();
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 1000);
void PumpFor(DWORD ms);

// Moves the real pointer and waits until the position holds (under Wine a stale report of an
// earlier warp can move it back); whether it holds. When it does not, g_pointerSlipped is
// called (the tests fail there).
bool PointAt(LONG x, LONG y);
extern void (*g_pointerSlipped)(LONG x, LONG y);

// A whole file (bounded to 256 MB), or none when it cannot be opened; a file's text lines.
std::optional<std::string> ReadBytes(const std::wstring& path);
std::vector<std::string> SplitLines(const std::string& bytes);
bool WriteBytes(const std::wstring& path, const std::string& bytes);

// Holds a file open without sharing, as another program might, while the object lives.
class HeldOpen {
public:
    explicit HeldOpen(const std::wstring& path);
    ~HeldOpen() { Release(); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release();

private:
    HANDLE handle_;
};

// Folders: the names in one (no "." and ".."; in listing order), the user's temporary folder (no
// backslash at the end), a new empty scratch folder there, and removal with all contents.
std::vector<std::wstring> NamesInFolder(const std::wstring& folder);
std::wstring TemporaryFolder();
std::wstring MakeScratchFolder(const std::wstring& name);
void RemoveFolder(const std::wstring& folder);

// The side files ("*_unsaved_*") where a list was kept that could not be saved; removed when `take`.
struct SideFile {
    std::wstring name;
    std::string bytes;
};
std::vector<SideFile> SideFiles(const std::wstring& folder, bool take);

// A program built beside this one; started with `commandLine` (and `dir`, when given); the main
// window of a process, waited for up to `ms`.
std::wstring BesideProgram(const wchar_t* name);
bool StartProgram(std::wstring commandLine, const wchar_t* dir, PROCESS_INFORMATION* started);
HWND WindowOfProcess(DWORD pid, DWORD ms);

// The main window in this process, made as the program makes it, its list loaded; ended by
// IDM_EXIT with the queue drained. Null when it cannot be made.
HWND StartMainWindow();
void ExitMainWindow();

// Wide text as UTF-8 (failure messages and logs) and back.
std::string NarrowForLog(const std::wstring& text);
std::wstring WideFromUtf8(const char* utf8);
