// Replacing the bookmark list in memory with a file: the list file again (reload, discarding
// the changes of this run), the backup of the last exit (restore) or a dated copy. A file that cannot be
// read leaves the list as it was, and the user is told.
#pragma once
#include <windows.h>

void OnReload(HWND hwnd);
void OnRestore(HWND hwnd);
// Lists the dated copies with their entry counts; the one chosen replaces the list as a restore
// does, once the list in memory is kept as a before-restore copy (no restore without it).
void OnRestoreCopy(HWND hwnd);
