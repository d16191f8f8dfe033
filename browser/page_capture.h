// Taking the page the running browser shows as a new URL entry of the selected folder.
#pragma once
#include <string_view>

#include <windows.h>

// IDM_GETFROMBROWSER: asks the chosen browser (only when it runs; it is never started) for its
// current page and adds it as the first child of the selected folder, with a unique title.
// With the default browser the URL is the one on the clipboard and the title is cut from the
// caption of the known browser window last active (see TitleOfBrowserCaption), else the URL.
void OnGetFromBrowser(HWND hwnd);
