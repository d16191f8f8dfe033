// The settings table, the walks over it at start-up and exit, and the floating rectangle.
#pragma once
#include <windows.h>

// Every number kept under the settings key; the table in settings.cpp gives each its registry
// name, its field of g_set (if any), what an absent value reads as, and how a stored value is
// made usable.
enum class Setting {
    HideMode, HideTime, SortFlg, ChkFindStr, AskFlg, FloatMode, AppBarMode, TopMode,
    SelectWeb, DtWidth, CurSelect, X, Y, Width, Height, BackupDays,
};

// The stored number, or the table's default when absent; used as stored.
DWORD ReadSetting(Setting s);
// Writes the setting's field of g_set.
void WriteSetting(Setting s);
// The field of g_set that holds the setting.
DWORD& SettingField(Setting s);

// The start-up reads, in their order: HideMode, HideTime, SortFlg, ChkFindStr, AskFlg, FloatMode,
// AppBarMode, TopMode, "datafile" (forming the list file path, see ListFilePathFor; kept in
// g_set.dataFile as read), SelectWeb (0 becomes 1), dt_width (made usable on this screen), BackupDays.
void ReadStartupSettings();

// Writes a floating rectangle as X, Y, Width and Height.
void SaveFloatRect(const RECT& r);

// Moves the main window to the stored floating rectangle: X and Y (default 20), Width and
// Height (200 x 600 when either is 0 or absent), made usable on the screen by UsableFloatRect.
void RestoreFloatRect();

// Moves the floating window as RestoreFloatRect would its rectangle if it were the stored one:
// a window that can still be taken hold of keeps its place.
void KeepFloatingWindowUsable();
