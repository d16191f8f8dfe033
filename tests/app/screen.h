// The screen as the docking tests see it: the main window's rectangle and the desktop-bar service.
#pragma once
#include <ostream>

#include <windows.h>

constexpr LONG kScreenWidth = 1024, kScreenHeight = 768;   // the test desktop

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

RECT MainWindowRect();
// The bottom of a docked bar that is not registered: the screen less the taskbar, plus 2.
LONG AutoHideBottom();
// Whether the service holds `hwnd` as a desktop bar (it refuses a second registration).
bool IsRegisteredBar(HWND hwnd);
// Sends the auto-hide timer's tick to the main window.
void TickHideTimer();
