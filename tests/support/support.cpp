// Test and benchmark support.
#include "tests/support/support.h"

#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "res/resource.h"
#include "tree/state.h"

// Handles one queued message; whether there was one.
static bool PumpOne()
{
    MSG msg;
    bool got = PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
    if (got && msg.message != WM_QUIT) DispatchMessageW(&msg);
    return got;
}

void PumpMessages() { while (PumpOne()) {} }

bool PumpUntil(const std::function<bool()>& done, DWORD ms)
{
    // One message at a time, so that a window that keeps posting to itself cannot hold the caller past `ms`.
    for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < ms;)
        if (!PumpOne()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    return done();
}

bool PointAt(LONG x, LONG y)
{
    // Under Wine a stale report of an earlier warp can move the pointer back.
    POINT at{};
    for (int i = 0, steady = 0; i < 200 && steady < 4; ++i) {
        if (!steady) SetCursorPos(x, y);
        Sleep(2);
        PumpMessages();
        GetCursorPos(&at);
        steady = at.x == x && at.y == y ? steady + 1 : 0;
    }
    bool held = at.x == x && at.y == y;
    if (!held && g_pointerSlipped) g_pointerSlipped(x, y);
    return held;
}

std::optional<std::string> ReadBytes(const std::wstring& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});   // to the end: files under /proc report no size
}

std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    return out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush().good();
}

std::vector<std::wstring> NamesInFolder(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    std::error_code error;   // a missing folder has no names
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) names.push_back(entry.path().filename());
    return names;
}

std::wstring TemporaryFolder()
{
    return (std::filesystem::temp_directory_path() / L"").parent_path();   // with no backslash at the end
}

std::wstring MakeScratchFolder(const std::wstring& name)
{
    std::wstring folder = TemporaryFolder() + L"\\" + name;
    RemoveFolder(folder);
    return CreateDirectoryW(folder.c_str(), nullptr) ? folder : std::wstring();
}

void RemoveFolder(const std::wstring& folder)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);   // read-only files go too
    std::filesystem::remove_all(folder, error);
}

std::vector<SideFile> SideFiles(const std::wstring& folder, bool take)
{
    std::vector<SideFile> side;
    for (const std::wstring& name : NamesInFolder(folder)) {
        if (name.find(L"_unsaved_") == std::wstring::npos) continue;
        side.push_back({name, ReadBytes(folder + L"\\" + name).value_or("")});
        if (take) DeleteFileW((folder + L"\\" + name).c_str());
    }
    return side;
}

std::wstring BesideProgram(const wchar_t* name)
{
    wchar_t self[MAX_PATH];
    std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

bool StartProgram(std::wstring commandLine, const wchar_t* dir, PROCESS_INFORMATION* started)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    *started = PROCESS_INFORMATION{};
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir, &startup, started);
}

HWND StartMainWindow()
{
    HINSTANCE inst = GetModuleHandleW(nullptr);
    static bool registered = RegisterMainClass(inst);
    HWND main = registered ? CreateMainWindow(inst) : nullptr;
    if (main) ShowWindow(main, SW_SHOWNOACTIVATE);
    PumpMessages();   // WM_LOADLIST: the list is loaded and the tree built here
    return main;
}

void ExitMainWindow()
{
    if (g_ui.main && IsWindow(g_ui.main)) SendMessageW(g_ui.main, WM_COMMAND, IDM_EXIT, 0);
    PumpMessages();
    g_ui.main = g_ui.tree = nullptr;
}

std::string NarrowForLog(const std::wstring& text)
{
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), int(utf8.size()), nullptr, nullptr));
    return utf8;
}

std::wstring WideFromUtf8(const char* utf8) { return std::filesystem::u8path(utf8).wstring(); }
