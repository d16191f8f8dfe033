// Find: the text typed in the "FINDSTR" dialog is looked for in the whole lines of the
// bookmark list (depth character, title, URL or folder mark), and the first line holding it
// is selected in the tree. Find next goes on after the last hit; there is no wrap.
#pragma once
#include <string>

#include <windows.h>

struct FindState {
    std::string text;   // CP932; lowered when it was confirmed with case folding on
    long start = 0;     // the line the next search begins at
};

extern FindState g_find;

// Asks for the text and searches from the first line.
void OnFind(HWND hwnd);

// Searches again from the line after the last hit, with the same text.
void OnFindNext(HWND hwnd);

// The dialog procedure of "FINDSTR"; the initialisation parameter is the std::string that
// receives the text. Ends with 1 on OK, 0 on cancel.
INT_PTR CALLBACK FindDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
