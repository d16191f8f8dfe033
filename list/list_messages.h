// What the user is told when the list file cannot be read or written.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

#include "list/list_file.h"

// Tells the user why the list file at `path` was not loaded; silent for Loaded and Missing.
void ReportListLoad(HWND owner, ListLoad outcome, const std::wstring& path);

// Tells the user where the list went when it could not replace the file at `path`, and where
// an edit made to the file outside the program went before the list replaced it; one message,
// silent when the list was saved over a file as last seen or there was nothing to keep.
void ReportListSave(HWND owner, const ListSave& save, const std::wstring& path);

// Tells the user that saves stopped before their end left the lists they were saving in
// `kept` (side files), and that the list file holds what it held before; silent for none.
void ReportLeftTemporaries(HWND owner, const std::vector<std::wstring>& kept);
