// The main window: class "LARKIT", created from the dialog template "LARKIT".
#pragma once
#include <windows.h>

// Registers the window class; false when registration fails.
bool RegisterMainClass(HINSTANCE inst);

// Creates the main window from its template (WM_CREATE runs inside); null on failure.
HWND CreateMainWindow(HINSTANCE inst);

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
