// The exit save. The backup is refreshed only from a list file that holds the list at this
// exit, so it always holds the state of a completed exit; so is the day's copy.
#include "app/exit_save.h"

#include <windows.h>

#include "app/settings.h"
#include "core/undo_history.h"
#include "list/day_copies.h"
#include "list/list_file.h"
#include "list/list_messages.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "res/resource.h"
#include "tree/state.h"

static void SaveFloatingRect()
{
    RECT rect{};
    if (GetWindowRect(g_ui.main, &rect)) SaveFloatRect(rect);
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

// Today's copy follows only a list file that holds this exit's list; its failure changes nothing
// of the save above and is told after it.
static bool WriteTodaysCopy(const ListSave& save)
{
    return save.result != ListSaveResult::Saved || WriteDayCopy(g_paths.listFile, g_set.backupDays);
}

void RunExitSave(SaveUi ui)
{
    ClearHistory(g_history);
    WriteSetting(Setting::FloatMode);
    if (g_set.floatMode == 1) SaveFloatingRect();
    ListSave save = SaveListAndBackup();
    bool copyWritten = WriteTodaysCopy(save);
    WriteSetting(Setting::SelectWeb);
    if (static_cast<LONG>(g_set.dtWidth) > 30) WriteSetting(Setting::DtWidth);
    WriteSetting(Setting::AppBarMode);
    (void)RegWriteWideString(HKEY_CURRENT_USER, kSettingsKey, SettingName::kDataFile, g_set.dataFile);
    (void)RegWriteWideString(HKEY_CURRENT_USER, kSettingsKey, SettingName::kCurPath, g_paths.programDir);
    // The window may already be on its way out: the message stands on its own.
    if (ui == SaveUi::Allowed) ReportListSave(nullptr, save, g_paths.listFile);
    if (ui == SaveUi::Allowed && !copyWritten)
        ShowMessage(nullptr, FormatText(IDS_DAY_COPY_NOT_SAVED, {CopyFolderOf(g_paths.listFile)}), MB_OK | MB_ICONWARNING);
}
