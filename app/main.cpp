// Process entry: one instance, the main window, the message loop.
#include <windows.h>

#include "app/main_window.h"
#include "app/state.h"

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE prev, PWSTR, int show)
{
    if (!prev && !RegisterMainClass(inst)) return 0;
    g_ui.inst = inst;
    if (FindWindowW(L"LARKIT", nullptr)) return 0;
    g_ui.msgSelectBrowser = RegisterWindowMessageW(L"WM_KORVEX_SELECTWEB");
    HWND main = CreateMainWindow(inst);
    if (!main) return 0;
    ShowWindow(main, show);
    UpdateWindow(main);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
