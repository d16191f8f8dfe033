// The exit save. The backup is refreshed only from a list file that holds the list at this
// exit, so it always holds the state of a completed exit.
#include "app/exit_save.h"

#include <windows.h>

#include "list/list_file.h"
#include "list/list_messages.h"
#include "platform/registry.h"
#include "tree/state.h"

static void WriteSetting(const wchar_t* name, DWORD value)
{
    (void)RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, name, value);
}

static void SaveFloatingRect()
{
    RECT rect{};
    if (!GetWindowRect(g_ui.main, &rect)) return;
    WriteSetting(L"X", static_cast<DWORD>(rect.left));
    WriteSetting(L"Y", static_cast<DWORD>(rect.top));
    WriteSetting(L"Width", static_cast<DWORD>(rect.right - rect.left));
    WriteSetting(L"Height", static_cast<DWORD>(rect.bottom - rect.top));
}

static ListSave SaveListAndBackup()
{
    // Any file that does not already hold the list's bytes is written, so loose line ends and
    // NUL bytes come back in the list file's own form; but a hand edit made while the list
    // stayed as it was read is the newer list, and stays.
    ListSave save = SaveListFile(g_paths.listFile, OutsideEdit::LeaveIfListUnchanged);
    if (save.result == ListSaveResult::Saved) (void)CopyListToBackup(g_paths.listFile, g_paths.programDir);
    return save;
}

void RunExitSave(SaveUi ui)
{
    WriteSetting(L"FloatMode", g_set.floatMode);
    if (g_set.floatMode == 1) SaveFloatingRect();
    ListSave save = SaveListAndBackup();
    WriteSetting(L"SelectWeb", g_set.selectWeb);
    if (static_cast<LONG>(g_set.dtWidth) > 30) WriteSetting(L"dt_width", g_set.dtWidth);
    WriteSetting(L"AppBarMode", g_set.appBarMode);
    (void)RegWriteWideString(HKEY_CURRENT_USER, kSettingsKey, L"datafile", g_set.dataFile);
    (void)RegWriteWideString(HKEY_CURRENT_USER, kSettingsKey, L"curpath", g_paths.programDir);
    // The window may already be on its way out: the message stands on its own.
    if (ui == SaveUi::Allowed) ReportListSave(nullptr, save, g_paths.listFile);
}
