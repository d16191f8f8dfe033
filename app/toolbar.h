// The toolbar at the top of the main window and the dialog that hosts it.
#pragma once
#include <windows.h>

// Creates the host dialog "TOOLBAR_BASE1" and the toolbar in it (control 88), with tooltips
// that show also while the window is inactive. Silent on failure.
void CreateMainToolbar();

// Shows the button of the current browser pressed (none for a value outside 1-3).
void PressBrowserButton(DWORD browserKind);

INT_PTR CALLBACK ToolbarHostProc(HWND host, UINT msg, WPARAM wp, LPARAM lp);
