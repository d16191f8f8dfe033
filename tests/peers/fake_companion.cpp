// Plays the companion program: owns a window of class "DRAVLON" and logs what it is told.
//   fake_companion READY_EVENT LOG
// Appends to LOG (UTF-8), one line per message: "ready WPARAM LPARAM CLIPBOARD-TEXT" for
// WM_URLREADY (1423) and "marker" for WM_APP, which the tests post after a command so that
// everything the command posted is logged once the marker is. Ends on WM_QUIT to its thread.
#include <windows.h>

#include <string>

static std::wstring s_log;

static void AppendToLog(const std::wstring& line)
{
    std::wstring wide = line + L"\n";
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
    HANDLE file = CreateFileW(s_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

static std::wstring ClipboardText(HWND owner)
{
    std::wstring text = L"<no text>";
    for (int attempt = 0; attempt < 50 && !OpenClipboard(owner); ++attempt) Sleep(20);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

static LRESULT CALLBACK CompanionProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == 1423) {
        AppendToLog(L"ready " + std::to_wstring(wp) + L" " + std::to_wstring(lp) + L" " + ClipboardText(hwnd));
        return 0;
    }
    if (msg == WM_APP) {
        AppendToLog(L"marker");
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) return 2;
    s_log = argv[2];
    WNDCLASSW wc{};
    wc.lpfnWndProc = CompanionProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DRAVLON";
    if (!RegisterClassW(&wc)) return 3;
    if (!CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, wc.hInstance, nullptr))
        return 4;
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1])) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
