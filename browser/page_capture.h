// Taking the page the running browser shows as a new URL entry of the selected folder.
#pragma once
#include <string_view>

#include <windows.h>

// IDM_GETFROMBROWSER: asks the chosen browser (only when it runs; it is never started) for its
// current page and adds it as the first child of the selected folder, with a unique title.
void OnGetFromBrowser(HWND hwnd);
