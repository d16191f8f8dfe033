// The main window procedure: start-up, the deferred list load, command routing, and exit.
#include "app/main_window.h"

#include <commctrl.h>

#include <vector>

#include "app/config_dialog.h"
#include "app/docking.h"
#include "app/drop_target.h"
#include "app/exit_save.h"
#include "app/layout.h"
#include "app/settings.h"
#include "app/toolbar.h"
#include "app/tree_notify.h"
#include "browser/browser_open.h"
#include "browser/companion.h"
#include "browser/page_capture.h"
#include "core/bar_geometry.h"
#include "core/undo_history.h"
#include "edit/clip_commands.h"
#include "edit/entry_commands.h"
#include "edit/find.h"
#include "edit/undo_commands.h"
#include "list/list_file.h"
#include "list/list_messages.h"
#include "res/resource.h"
#include "transfer/browser_import.h"
#include "transfer/favorites_import.h"
#include "transfer/html_transfer.h"
#include "transfer/reload_commands.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_locate.h"

static constexpr wchar_t kClassName[] = L"LARKIT";

static HACCEL s_keys = nullptr;

bool RegisterMainClass(HINSTANCE inst)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = MainProc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = inst;
    wc.hIcon = LoadIconW(inst, L"LARKIT");
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE inst)
{
    g_ui.inst = inst;
    return CreateDialogParamW(inst, L"LARKIT", nullptr, nullptr, 0);
}

// The current directory, whatever its length.
static std::wstring CurrentDirectory()
{
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> buffer(size + 1, L'\0');
    DWORD got = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    std::wstring dir(buffer.data(), got);
    if (!dir.empty() && dir.back() == L'\\') dir.pop_back();   // a drive's root: "C:\" -> "C:"
    return dir;
}

static void ApplyTopMode()
{
    SetWindowPos(g_ui.main, g_set.topMode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

static bool OnCreate(HWND hwnd)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    g_ui.main = hwnd;
    g_ui.savedStyle = GetWindowLongW(hwnd, GWL_STYLE);
    g_paths.programDir = CurrentDirectory();
    g_paths.helpFile = g_paths.programDir + L"\\zendrilo.hlp";
    ReadStartupSettings();
    ApplyTopMode();
    if (g_set.floatMode == 0) EnterDockedStyle();
    else RestoreFloatRect();
    CreateMainToolbar();
    PressBrowserButton(g_set.selectWeb);
    CreateBookmarkTree();
    RegisterTreeDropTarget();
    LayoutChildren();
    s_keys = LoadAcceleratorsW(g_ui.inst, L"LARKIT_KEYS");
    PostMessageW(hwnd, WM_LOADLIST, 0, 0);
    return true;
}

bool TranslateKeys(HWND main, MSG* msg)
{
    if (!s_keys || !main || GetActiveWindow() != main) return false;
    return TranslateAcceleratorW(main, s_keys, msg) != 0;
}

static void OnLoadList(HWND hwnd)
{
    g_ui.widthTracking = true;
    DWORD index = ReadSetting(Setting::CurSelect);
    ReportListLoad(hwnd, LoadListFile(g_paths.listFile), g_paths.listFile);
    ClearHistory(g_history);
    ReportLeftTemporaries(hwnd, SettleLeftTemporaries(g_paths.listFile, g_paths.programDir));
    SelectItem(RebuildTree(index));
    StartHideTimer(hwnd);
}

static void OnDestroy(HWND hwnd)
{
    KillTimer(hwnd, IDT_HIDE);
    RevokeTreeDropTarget();
    SaveCurSelect();
    DeleteTreeItems();
    if (g_set.floatMode == 0) UnregisterBar();
    DestroyTreeImages();
    RunExitSave(SaveUi::Allowed);
    PostQuitMessage(0);
}

static void OnEndSession()
{
    SaveCurSelect();
    RunExitSave(SaveUi::None);
}

static void OnTimer(HWND hwnd, WPARAM id)
{
    if (id == IDT_HIDE) OnHideTimer(hwnd);
    if (id == IDT_SENDURL) OnSendUrl(hwnd);
}

static LRESULT OnCommand(HWND hwnd, WPARAM wp, LPARAM lp)
{
    switch (LOWORD(wp)) {
    case IDM_EXIT:          DestroyWindow(hwnd); return 0;
    case IDM_QUIT:          PostQuitMessage(0); return 0;
    case IDM_NEWBOOK:       OnNewBook(hwnd); return 0;
    case IDM_NEWGROUP:      OnNewGroup(hwnd); return 0;
    case IDM_NEWURL:        OnNewUrl(hwnd); return 0;
    case IDM_EDIT:          OnEditEntry(hwnd); return 0;
    case IDM_DELETE:        OnDeleteEntry(hwnd); return 0;
    case IDM_DELETELEVEL:   OnDeleteLevel(hwnd); return 0;
    case IDM_TOGGLEEXPAND:  OnToggleExpand(); return 0;
    case IDM_SWITCHEDGE:    OnSwitchEdge(); return 0;
    case IDM_REDOCK:        OnRedock(); return 0;
    case IDM_CONFIG:        OnConfig(hwnd); return 0;
    case IDM_HELP:          OnHelp(hwnd); return 0;
    case IDM_OPEN:          OnOpen(hwnd, OpenStep::Selected); return 0;
    case IDM_OPENPREV:      OnOpen(hwnd, OpenStep::Previous); return 0;
    case IDM_OPENNEXT:      OnOpen(hwnd, OpenStep::Next); return 0;
    case IDM_GETFROMBROWSER: OnGetFromBrowser(hwnd); return 0;
    case IDM_BROWSER_IE:    SelectBrowser(1); return 0;
    case IDM_BROWSER_NETSCAPE: SelectBrowser(2); return 0;
    case IDM_BROWSER_OPERA: SelectBrowser(3); return 0;
    case IDM_COPY:          OnCopy(); return 0;
    case IDM_COPYADD:       OnCopyAdd(); return 0;
    case IDM_COPYLEVEL:     OnCopyLevel(); return 0;
    case IDM_CUT:           OnCut(); return 0;
    case IDM_CUTADD:        OnCutAdd(); return 0;
    case IDM_CUTLEVEL:      OnCutLevel(); return 0;
    case IDM_PASTE:         OnPaste(hwnd); return 0;
    case IDM_PASTEROOT:     OnPasteRoot(hwnd); return 0;
    case IDM_FIND:          OnFind(hwnd); return 0;
    case IDM_FINDNEXT:      OnFindNext(hwnd); return 0;
    case IDM_RELOAD:        OnReload(hwnd); return 0;
    case IDM_RESTORE:       OnRestore(hwnd); return 0;
    case IDM_RESTORECOPY:   OnRestoreCopy(hwnd); return 0;
    case IDM_IMPORT:        OnImportFavorites(hwnd); return 0;
    case IDM_IMPORT_BROWSERS: OnImportBrowsers(hwnd); return 0;
    case IDM_IMPORT_HTML:   OnImportHtml(hwnd); return 0;
    case IDM_EXPORT_HTML:   OnExportHtml(hwnd); return 0;
    case IDM_CONTEXTMENU:   OnContextMenuKey(hwnd); return 0;
    case IDM_UNDO:          OnUndo(); return 0;
    case IDM_REDO:          OnRedo(); return 0;
    }
    return DefWindowProcW(hwnd, WM_COMMAND, wp, lp);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    HistoryStep step;   // whatever a message changes in the list is taken back as one
    switch (msg) {
    case WM_CREATE:     return OnCreate(hwnd) ? 0 : -1;
    case WM_SIZE:       OnSize(); return 0;
    case WM_COMMAND:    return OnCommand(hwnd, wp, lp);
    case WM_NOTIFY:     return OnTreeNotify(hwnd, reinterpret_cast<NMHDR*>(lp));
    case WM_LBUTTONDOWN: OnMainButtonDown(hwnd); return 0;
    case WM_LOADLIST:   OnLoadList(hwnd); return 0;
    case WM_SENDURL:    OnSendUrl(hwnd); return 0;
    case WM_ENDSESSION: OnEndSession(); return 0;
    case WM_DESTROY:    OnDestroy(hwnd); return 0;
    case WM_TIMER:      OnTimer(hwnd, wp); return 0;
    case WM_SETCURSOR:  return OnDockSetCursor(hwnd);
    case WM_ENTERSIZEMOVE: OnEnterSizeMove(hwnd); return 0;
    case WM_MOVING:     OnMoving(reinterpret_cast<RECT*>(lp)); return 1;
    case WM_EXITSIZEMOVE: OnExitSizeMove(hwnd); return 0;
    case WM_APPBARNOTIFY: OnAppBarNotify(wp); return 0;
    case WM_DISPLAYCHANGE: OnScreenChange(); return 0;
    case WM_SETTINGCHANGE: if (wp == SPI_SETWORKAREA) OnScreenChange(); break;
    }
    if (msg != 0 && msg == g_ui.msgSelectBrowser) return OnSelectBrowserMessage(wp);
    return DefWindowProcW(hwnd, msg, wp, lp);
}
