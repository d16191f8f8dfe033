// The toolbar at the top of the main window and the dialog that hosts it.
#pragma once
#include <windows.h>

// Creates the host dialog "TOOLBAR_BASE1" and the toolbar in it (control 88), with tooltips
// that show also while the window is inactive. Silent on failure.
void CreateMainToolbar();

// Shows the button of the current browser pressed; for the default browser (4) none is
// pressed; any other value changes nothing.
void PressBrowserButton(DWORD browserKind);

INT_PTR CALLBACK ToolbarHostProc(HWND host, UINT msg, WPARAM wp, LPARAM lp);

// Makes `kind` (1-3, or 4 for the default browser) the current browser and shows its button
// pressed (none for 4); any other kind changes nothing. The choice is stored at exit.
void SelectBrowser(DWORD kind);

// The registered selection message: wParam 1-4 chooses that browser. Returns 0.
LRESULT OnSelectBrowserMessage(WPARAM wp);
