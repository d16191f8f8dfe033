// Choosing the browser, and opening URL entries in it: over DDE when it runs, otherwise by
// starting the executable registered under its App Paths key; the system's default browser
// through the shell, or for local files by starting the program that opens web addresses.
#pragma once
#include <windows.h>

enum class OpenStep { Selected, Previous, Next };

// IDM_OPEN, IDM_OPENPREV, IDM_OPENNEXT: moves the caret (for Previous and Next, to the
// neighbouring visible item, or stays at either end) and opens the item when it is a URL entry.
void OnOpen(HWND hwnd, OpenStep step);

// 1 when browser `kind` runs and answered its activation request (it then shows its last
// active window), else 0; 0 at once for a kind outside 1-3.
int ActivateBrowser(DWORD kind);
