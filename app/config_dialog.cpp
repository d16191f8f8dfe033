// Settings dialog and help. The dialog only changes the values; OnConfig compares them with
// what they were and applies what changed, so cancel and an unchanged OK do nothing.
#include "app/config_dialog.h"

#include <commctrl.h>

#include <iterator>
#include <string>

#include "app/docking.h"
#include "core/hide_time.h"
#include "platform/registry.h"
#include "platform/shell_open.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"

// The hide time field is read up to this many characters.
static constexpr int kHideTimeChars = 31;

static constexpr DWORD kHelpFirstTopic = 1;

static void ShowCheck(HWND dlg, int id, DWORD value)
{
    CheckDlgButton(dlg, id, value != 0 ? BST_CHECKED : BST_UNCHECKED);
}

static DWORD ReadCheck(HWND dlg, int id)
{
    return IsDlgButtonChecked(dlg, id) == BST_CHECKED ? 1 : 0;
}

static void StoreSetting(const wchar_t* name, DWORD value)
{
    (void)RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, name, value);
}

static void ShowSettings(HWND dlg)
{
    ShowCheck(dlg, IDC_CONFIG_HIDEMODE, g_set.hideMode);
    ShowCheck(dlg, IDC_CONFIG_ASKFLG, g_set.askFlg);
    ShowCheck(dlg, IDC_CONFIG_TOPMODE, g_set.topMode);
    ShowCheck(dlg, IDC_CONFIG_SORTFLG, g_set.sortFlg);
    SetDlgItemTextW(dlg, IDC_CONFIG_HIDETIME, std::to_wstring(static_cast<LONG>(g_set.hideTime)).c_str());
}

static void AcceptSettings(HWND dlg)
{
    wchar_t text[kHideTimeChars + 1] = {};
    GetDlgItemTextW(dlg, IDC_CONFIG_HIDETIME, text, static_cast<int>(std::size(text)));
    g_set.hideTime = static_cast<DWORD>(ParseHideTime(text));
    StoreSetting(L"HideTime", g_set.hideTime);
    g_set.hideMode = ReadCheck(dlg, IDC_CONFIG_HIDEMODE);
    StoreSetting(L"HideMode", g_set.hideMode);
    g_set.sortFlg = ReadCheck(dlg, IDC_CONFIG_SORTFLG);
    StoreSetting(L"SortFlg", g_set.sortFlg);
    g_set.askFlg = ReadCheck(dlg, IDC_CONFIG_ASKFLG);
    StoreSetting(L"AskFlg", g_set.askFlg);
    g_set.topMode = ReadCheck(dlg, IDC_CONFIG_TOPMODE);
    StoreSetting(L"TopMode", g_set.topMode);
}

INT_PTR CALLBACK ConfigDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM)
{
    if (msg == WM_INITDIALOG) {
        ShowSettings(dlg);
        return FALSE;
    }
    if (msg != WM_COMMAND) return FALSE;
    switch (LOWORD(wp)) {
    case IDOK:
        AcceptSettings(dlg);
        EndDialog(dlg, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dlg, 1);
        return TRUE;
    case IDC_CONFIG_VERSION:
        DialogBoxParamW(g_ui.inst, L"ABOUTDLG", dlg, AboutDialogProc, 0);
        return FALSE;
    case IDC_CONFIG_USAGE:
        OpenWithShell(g_ui.main, L"larkit.htm");   // no folder: the shell looks in the current directory
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK AboutDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM)
{
    if (msg != WM_COMMAND || (LOWORD(wp) != IDOK && LOWORD(wp) != IDCANCEL)) return FALSE;
    EndDialog(dlg, 1);
    return TRUE;
}

static void SelectFirstItem()
{
    LPARAM first = SendMessageW(g_ui.tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, first);
}

void OnConfig(HWND hwnd)
{
    const Settings before = g_set;
    DialogBoxParamW(g_ui.inst, L"CONFIG", hwnd, ConfigDialogProc, 0);
    if (g_set.topMode != before.topMode)
        SetWindowPos(hwnd, g_set.topMode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (g_set.sortFlg != before.sortFlg) {
        RebuildTree(0);
        SelectFirstItem();
    }
    if (g_set.hideMode != before.hideMode && g_set.floatMode == 0) {
        // The bar leaves the service as it entered it, and enters it by the new mode.
        DWORD chosen = g_set.hideMode;
        g_set.hideMode = before.hideMode;
        UnregisterBar();
        g_set.hideMode = chosen;
        RegisterBar();
    }
    if (g_set.hideTime != before.hideTime) {
        KillTimer(hwnd, IDT_HIDE);
        StartHideTimer(hwnd);
    }
}

void OnHelp(HWND hwnd)
{
    ShowHelpContext(hwnd, g_paths.helpFile, kHelpFirstTopic);
}
