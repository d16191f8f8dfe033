// Reading the settings at start-up and the floating rectangle.
#pragma once
#include <windows.h>

// Reads every start-up setting into g_set, each with its default.
void ReadStartupSettings();

// The list file path from "datafile" (or list.dat): an absolute value names the file, any other
// lies in the program directory. The value is kept in g_set.dataFile as it was read.
void FormListFilePath();

// Moves the main window to the stored floating rectangle: X and Y (default 20), Width and
// Height (200 x 600 when either is 0 or absent), made usable on the screen by UsableFloatRect.
void RestoreFloatRect();

// Moves the floating window as RestoreFloatRect would its rectangle if it were the stored one:
// a window that can still be taken hold of keeps its place.
void KeepFloatingWindowUsable();
