// The settings dialog "CONFIG" with its version box "ABOUTDLG", and help.
#pragma once
#include <windows.h>

// "CONFIG": shows TopMode, HideMode, HideTime, AskFlg, SortFlg and BackupDays; OK stores all six
// at once (check boxes as 0 or 1, the hide time and the days as typed), cancel changes nothing. Its default-browser
// box is checked while the kind is 4; OK with it checked chooses 4, and with it cleared while
// the kind is 4 returns to the browser chosen before (1 when none was).
INT_PTR CALLBACK ConfigDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);

// "ABOUTDLG": closes on OK or Esc.
INT_PTR CALLBACK AboutDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);

// IDM_CONFIG: runs "CONFIG", then makes each setting that changed take effect.
void OnConfig(HWND hwnd);

// IDM_HELP: the first topic of the help file in the program directory.
void OnHelp(HWND hwnd);
