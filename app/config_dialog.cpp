// Settings dialog and help. The dialog only changes the values; OnConfig compares them with
// what they were and applies what changed, so cancel and an unchanged OK do nothing.
#include "app/config_dialog.h"

#include <commctrl.h>

#include <iterator>
#include <string>

#include "app/docking.h"
#include "app/settings.h"
#include "app/toolbar.h"
#include "core/browser_table.h"
#include "core/hide_time.h"
#include "platform/shell_open.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

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

// The dialog's walk of the settings table, in the order OK stores the values. HideTime and
// BackupDays are numbers typed; the others are check boxes.
static const struct { Setting setting; int control; bool typed; } kConfigFields[] = {
    {Setting::HideTime, IDC_CONFIG_HIDETIME, true}, {Setting::HideMode, IDC_CONFIG_HIDEMODE, false},
    {Setting::SortFlg, IDC_CONFIG_SORTFLG, false},   {Setting::AskFlg, IDC_CONFIG_ASKFLG, false},
    {Setting::TopMode, IDC_CONFIG_TOPMODE, false},   {Setting::BackupDays, IDC_CONFIG_BACKUPDAYS, true},
};

static void ShowSettings(HWND dlg)
{
    for (const auto& f : kConfigFields) {
        DWORD value = SettingField(f.setting);
        if (f.typed)
            SetDlgItemTextW(dlg, f.control, std::to_wstring(static_cast<LONG>(value)).c_str());
        else
            ShowCheck(dlg, f.control, value);
    }
    ShowCheck(dlg, IDC_CONFIG_DEFAULTBROWSER, g_set.selectWeb == kDefaultBrowserKind);
}

static DWORD ReadHideTime(HWND dlg)
{
    wchar_t text[kHideTimeChars + 1] = {};
    GetDlgItemTextW(dlg, IDC_CONFIG_HIDETIME, text, static_cast<int>(std::size(text)));
    return static_cast<DWORD>(ParseHideTime(text));
}

// The days typed; a field left empty keeps the days as they were.
static DWORD ReadBackupDays(HWND dlg)
{
    BOOL read = FALSE;
    UINT days = GetDlgItemInt(dlg, IDC_CONFIG_BACKUPDAYS, &read, FALSE);
    return read ? days : g_set.backupDays;
}

static DWORD ReadField(HWND dlg, int control)
{
    if (control == IDC_CONFIG_HIDETIME) return ReadHideTime(dlg);
    return control == IDC_CONFIG_BACKUPDAYS ? ReadBackupDays(dlg) : ReadCheck(dlg, control);
}

static void AcceptSettings(HWND dlg)
{
    for (const auto& f : kConfigFields) {
        SettingField(f.setting) = ReadField(dlg, f.control);
        WriteSetting(f.setting);
    }
    // The browser choice is stored at exit, as a toolbar button's is.
    bool useDefault = ReadCheck(dlg, IDC_CONFIG_DEFAULTBROWSER) != 0;
    if (useDefault && g_set.selectWeb != kDefaultBrowserKind) SelectBrowser(kDefaultBrowserKind);
    if (!useDefault && g_set.selectWeb == kDefaultBrowserKind) SelectBrowser(g_set.buttonWeb);
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
        (void)OpenWithShell(g_ui.main, L"larkit.htm");   // no folder: the shell looks in the current directory
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

void OnConfig(HWND hwnd)
{
    const Settings before = g_set;
    DialogBoxParamW(g_ui.inst, L"CONFIG", hwnd, ConfigDialogProc, 0);
    if (g_set.topMode != before.topMode)
        SetWindowPos(hwnd, g_set.topMode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (g_set.sortFlg != before.sortFlg) {
        RebuildTree(0);
        SelectItem(NextItem(nullptr, TVGN_ROOT));
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
