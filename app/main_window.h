// The main window: class "LARKIT", created from the dialog template "LARKIT".
#pragma once
#include <windows.h>

// Registers the window class; false when registration fails.
bool RegisterMainClass(HINSTANCE inst);

// Creates the main window from its template (WM_CREATE runs inside); null on failure.
HWND CreateMainWindow(HINSTANCE inst);

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The message loop's key table ("LARKIT_KEYS"): true when `msg` was one of its keys and went
// to `main` as a command. Only while `main` is the active window, so that a dialog of ours
// keeps its own keys.
bool TranslateKeys(HWND main, MSG* msg);
