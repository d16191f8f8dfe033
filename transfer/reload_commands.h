// Replacing the bookmark list in memory with a file: the list file again (reload, discarding
// the changes of this run) or the backup of the last exit (restore). A file that cannot be
// read leaves the list as it was, and the user is told.
#pragma once
#include <windows.h>

void OnReload(HWND hwnd);
void OnRestore(HWND hwnd);
