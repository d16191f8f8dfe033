// Process-wide state of the main window: handles, paths and the settings read at start-up.
#pragma once
#include <string>

#include <windows.h>
#include <commctrl.h>

struct Ui {
    HINSTANCE inst = nullptr;
    HWND main = nullptr;
    HWND tree = nullptr;
    HWND toolbarHost = nullptr;   // appears with the toolbar
    HWND toolbar = nullptr;
    HIMAGELIST treeImages = nullptr;
    UINT msgSelectBrowser = 0;    // the registered "WM_KORVEX_SELECTWEB"
    LONG savedStyle = 0;          // the style as created, restored when the window floats
    bool widthTracking = false;   // the bar width follows the window once the list is loaded
};

// Paths are wide from end to end, so any folder name works.
struct Paths {
    std::wstring programDir;   // the current directory at start-up
    std::wstring listFile;     // the file that "datafile" names (see ListFilePathFor)
    std::wstring helpFile;     // programDir + "\zendrilo.hlp"
};

// Field names follow the registry value names.
struct Settings {
    DWORD hideMode = 1;
    DWORD hideTime = 200;
    DWORD sortFlg = 1;
    DWORD chkFindStr = 2;
    DWORD askFlg = 1;
    DWORD floatMode = 1;
    DWORD appBarMode = 0;
    DWORD topMode = 1;
    DWORD selectWeb = 1;   // the chosen browser: 1, 2, 3, or 4 for the system's default
    DWORD buttonWeb = 1;   // the last of 1-3 chosen, which turning the default browser off returns to; not stored
    DWORD dtWidth = 200;   // width of the docked bar
    DWORD backupDays = 10;   // days of dated copies of the list kept; 0: none written
    std::wstring dataFile = L"list.dat";   // as read, and written back so at exit
};

extern Ui g_ui;
extern Paths g_paths;
extern Settings g_set;
