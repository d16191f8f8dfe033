// Taking the page the running browser shows as a new URL entry of the selected folder.
#pragma once
#include <string_view>

#include <windows.h>

// IDM_GETFROMBROWSER: asks the chosen browser (only when it runs; it is never started) for its
// current page and adds it as the first child of the selected folder, with a unique title.
void OnGetFromBrowser(HWND hwnd);

// The first visible top-level window, in Z order, that has a child window and whose caption
// holds `mark` (CP932); null when there is none.
HWND FindBrowserWindow(std::string_view mark);
