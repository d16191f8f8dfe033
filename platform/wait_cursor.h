// The wait cursor, with the mouse kept by one window, for as long as the owner lives.
#pragma once
#include <windows.h>

class WaitCursor {
public:
    explicit WaitCursor(HWND owner)
    {
        SetCapture(owner);
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor()
    {
        ReleaseCapture();
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
};
