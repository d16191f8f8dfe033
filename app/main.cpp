// Process entry: one instance, the main window, the message loop.
#include <windows.h>

#include "app/main_window.h"
#include "tree/state.h"

// Held by the running instance until its exit save is done; per user session, as the window is.
static constexpr wchar_t kInstanceMutex[] = L"Local\\larkit-running-instance";

// How long a start waits for an instance that holds the mutex but shows no window yet (it is
// still starting) or no more (it is finishing its exit save).
static constexpr DWORD kInstanceWaitMs = 5000;
static constexpr DWORD kInstancePollMs = 20;

// A shown LARKIT window: an instance that runs and has its list. Its window is hidden while it
// starts and from the moment its exit begins.
static bool ShownInstanceExists()
{
    HWND other = FindWindowW(L"LARKIT", nullptr);
    return other && IsWindowVisible(other);
}

// Whether this start is the one that runs; `mutex` is then held. Two starts at the same moment
// both find no window, and the mutex picks one of them.
static bool ClaimInstance(HANDLE* mutex)
{
    if (ShownInstanceExists()) return false;
    *mutex = CreateMutexW(nullptr, FALSE, kInstanceMutex);
    if (!*mutex) return !FindWindowW(L"LARKIT", nullptr);   // no mutex to be had: the window alone decides
    for (DWORD waited = 0; waited <= kInstanceWaitMs; waited += kInstancePollMs) {
        DWORD got = WaitForSingleObject(*mutex, waited == 0 ? 0 : kInstancePollMs);
        // Abandoned: the other instance ended without releasing it, so this one runs.
        if (got == WAIT_OBJECT_0 || got == WAIT_ABANDONED) return true;
        if (got != WAIT_TIMEOUT) return false;
        if (ShownInstanceExists()) return false;
    }
    return false;   // held all this time by an instance that never showed: that one is the instance
}

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE prev, PWSTR, int show)
{
    if (!prev && !RegisterMainClass(inst)) return 0;
    g_ui.inst = inst;
    HANDLE mutex = nullptr;
    if (!ClaimInstance(&mutex)) {
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    g_ui.msgSelectBrowser = RegisterWindowMessageW(L"WM_KORVEX_SELECTWEB");
    HWND main = CreateMainWindow(inst);
    if (!main) return 0;
    ShowWindow(main, show);
    UpdateWindow(main);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateKeys(main, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (mutex) ReleaseMutex(mutex);
    return static_cast<int>(msg.wParam);
}
