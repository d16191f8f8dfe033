// Commands that create, edit and delete one entry (or one level of entries). Each changes
// the bookmark list and patches the tree in the same step.
#pragma once
#include <windows.h>

void OnNewBook(HWND hwnd);
void OnNewGroup(HWND hwnd);
void OnNewUrl(HWND hwnd);
void OnEditEntry(HWND hwnd);
void OnDeleteEntry(HWND hwnd);
void OnDeleteLevel(HWND hwnd);

// Shared with the other commands that add lines: false, with the user told, when `more`
// lines would take the list past its bound.
bool CheckRoomForLines(HWND hwnd, size_t more);

// Tells the user that a title taken by a sibling has no room left for a "(n)" suffix.
void ReportTitleWithoutRoom(HWND hwnd);
