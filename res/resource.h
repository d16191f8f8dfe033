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
#define IDM_IMPORT_BROWSERS     40080   // the bookmarks of every Chrome and Edge profile
#define IDM_IMPORT_HTML         40081
#define IDM_EXPORT_HTML         40082
#define IDM_CONTEXTMENU         40060   // Shift+F10 and the menu key: the selected item's menu
#define IDM_RESTORECOPY         40090   // a dated copy of the list in place of the list
#define IDM_UNDO                40100   // Ctrl+Z
#define IDM_REDO                40101   // Ctrl+Y, Ctrl+Shift+Z

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
#define IDC_CONFIG_BACKUPDAYS   1041

// Dated copy dialog "RESTORE_COPY"
#define IDC_RESTORE_COPIES      1042
#define IDC_CONFIG_VERSION      3
#define IDC_CONFIG_USAGE        4
#define IDC_CONFIG_DEFAULTBROWSER 1040

// Version box "ABOUTDLG"
#define IDC_ABOUT_NAME          1071

// Texts of the STRINGTABLE (5000-5099)
#define IDS_APP_CAPTION                 5000
#define IDS_TIP_EXIT                    5001
#define IDS_TIP_BROWSER_IE              5002
#define IDS_TIP_BROWSER_NETSCAPE        5003
#define IDS_TIP_BROWSER_OPERA           5004
#define IDS_TIP_CONFIG                  5005
#define IDS_TIP_FIND                    5006
#define IDS_TIP_FINDNEXT                5007
#define IDS_DDE_START_FAILED            5008
#define IDS_BROWSER_INFO_CAPTION        5009
#define IDS_BROWSER_URL_TOO_LONG        5010
#define IDS_URL_TOO_LONG_FOR_BROWSER    5011
#define IDS_URL_LIKE_SWITCH             5012
#define IDS_BROWSER_NOT_STARTED         5013
#define IDS_BROWSER_START_ERROR         5014
#define IDS_PASTE_TOO_DEEP              5015
#define IDS_FIND_TEXT_NOT_CP932         5016
#define IDS_FIND_REACHED_END            5017
#define IDS_LIST_FULL                   5018
#define IDS_URL_ENDS_IN_YEN             5019
#define IDS_URLS_LEFT_OUT               5020
#define IDS_TITLE_NO_ROOM_FOR_NUMBER    5021
#define IDS_CONFIRM_DELETE              5022
#define IDS_FIELD_NOT_CP932             5023
#define IDS_TITLE_EMPTY                 5024
#define IDS_URL_EMPTY                   5025
#define IDS_TITLE_HAS_YEN               5026
#define IDS_URL_TITLE_HAS_COMMA         5027
#define IDS_TITLE_TOO_LONG              5028
#define IDS_URL_TOO_LONG                5029
#define IDS_TITLE_HAS_LINE_BREAK        5030
#define IDS_URL_HAS_LINE_BREAK          5031
#define IDS_LIST_UNREADABLE             5032
#define IDS_LIST_TOO_BIG                5033
#define IDS_LIST_EDITED_ASIDE           5034
#define IDS_LIST_SAVED_OURS             5035
#define IDS_LIST_NOT_OVERWRITTEN        5036
#define IDS_LIST_SAVED_ASIDE            5037
#define IDS_LIST_NOT_SAVED              5038
#define IDS_LIST_NOWHERE_TO_SAVE        5039
#define IDS_LIST_SAVE_INTERRUPTED       5040
#define IDS_IMPORT_NAMES_REPLACED       5041
#define IDS_IMPORT_SHORTCUTS_UNREADABLE 5042
#define IDS_IMPORT_CONFIRM              5043
#define IDS_FAVORITES_NOT_FOUND         5044
#define IDS_LIST_MISSING                5045
#define IDS_RESTORE_CONFIRM             5046
#define IDS_RESTORE_NO_BACKUP           5047
#define IDS_RESTORE_UNREADABLE          5048
#define IDS_URL_NOT_FOR_DEFAULT_BROWSER 5049
#define IDS_CLIPBOARD_HAS_NO_URL        5050
#define IDS_DROP_CHARS_REPLACED         5060
#define IDS_DROP_FILES_REFUSED          5061
#define IDS_NO_BROWSER_PROFILE          5080
#define IDS_BOOKMARK_FILE_UNREADABLE    5081
#define IDS_BOOKMARK_FILE_CHARSET       5082
#define IDS_IMPORT_TITLES_CHANGED       5083
#define IDS_IMPORT_URLS_CHANGED         5084
#define IDS_IMPORT_LEFT_OUT             5085
#define IDS_HTML_FILE_KIND              5086
#define IDS_EXPORT_FAILED               5087
#define IDS_EXPORT_CHARS_REPLACED       5088
#define IDS_DAY_COPY_NOT_SAVED          5090
#define IDS_NO_DAY_COPIES               5091
#define IDS_BEFORE_RESTORE_NOT_SAVED    5092
#define IDS_DAY_COPY_ITEM               5093
#define IDS_BEFORE_RESTORE_ITEM         5094
