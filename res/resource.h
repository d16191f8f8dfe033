// Every resource, command, control and message number of the program, kept by hand.
#pragma once

// Commands (WM_COMMAND identifiers)
#define IDM_QUIT                101
#define IDM_NEWGROUP            40006
#define IDM_NEWURL              40007
#define IDM_NEWBOOK             40009
#define IDM_DELETE              40010
#define IDM_EDIT                40011
#define IDM_EXIT                40012
#define IDM_OPEN                40017
#define IDM_GETFROMBROWSER      40019
#define IDM_CUT                 40020
#define IDM_PASTE               40021
#define IDM_COPY                40022
#define IDM_RELOAD              40028
#define IDM_SWITCHEDGE          40031
#define IDM_BROWSER_IE          40032
#define IDM_BROWSER_NETSCAPE    40033
#define IDM_BROWSER_OPERA       40034
#define IDM_CONFIG              40035
#define IDM_HELP                40036
#define IDM_IMPORT              40037
#define IDM_OPENPREV            40039
#define IDM_OPENNEXT            40040
#define IDM_TOGGLEEXPAND        40041
#define IDM_FIND                40042
#define IDM_FINDNEXT            40043
#define IDM_RESTORE             40046
#define IDM_PASTEROOT           40049
#define IDM_COPYLEVEL           40050
#define IDM_CUTLEVEL            40051
#define IDM_DELETELEVEL         40052
#define IDM_COPYADD             40053
#define IDM_CUTADD              40054
#define IDM_REDOCK              40055

// Controls of the main window
#define IDC_TREE                87
#define IDC_BOOKMARKLIST        1010
#define IDC_CLIPLIST            1011
#define IDC_IMPORTLIST          1012
#define IDC_SORTEDLIST          1013
#define IDC_CLIPEDIT            1020

// Window messages
#define WM_LOADLIST             1062
#define WM_APPBARNOTIFY         1124
#define WM_SENDURL              1422
#define WM_URLREADY             1423

// Timers
#define IDT_HIDE                1
#define IDT_SENDURL             2       // retries a companion hand-off

// Entry dialogs "INPUT_DIR" and "INPUT_URL"
#define IDC_ENTRY_TITLE         1011
#define IDC_ENTRY_URL           1012
#define IDC_ENTRY_URL_LABEL     1013
#define IDC_ENTRY_FRAME         1019

// Find dialog "FINDSTR"
#define IDC_FIND_LABEL          1062
#define IDC_FIND_TEXT           1056
#define IDC_FIND_IGNORECASE     1018
#define IDC_FIND_FRAME          1019

// Toolbar
#define IDC_TOOLBAR             88
#define IDB_TOOLBAR             113

// Settings dialog "CONFIG"
#define IDC_CONFIG_FRAME        1018
#define IDC_CONFIG_TOPMODE      1036
#define IDC_CONFIG_HIDEMODE     1037
#define IDC_CONFIG_ASKFLG       1038
#define IDC_CONFIG_SORTFLG      1039
#define IDC_CONFIG_HIDETIME     1048
#define IDC_CONFIG_VERSION      3
#define IDC_CONFIG_USAGE        4

// Version box "ABOUTDLG"
#define IDC_ABOUT_NAME          1071
