// The entry dialogs "INPUT_DIR" (book or group title) and "INPUT_URL" (URL and title).
#pragma once
#include <string>

#include <windows.h>

struct EntryForm {
    std::string title;           // CP932, shown when the dialog opens and read back on OK
    std::string url;             // CP932; URL entries only
    std::string originalTitle;   // the texts before an edit: accepted even where new text
    std::string originalUrl;     // would be refused (for example as too long)
};

// Runs the dialog; true on OK with `form` filled and checked, false on cancel.
bool AskFolderTitle(HWND owner, EntryForm& form);
bool AskUrlEntry(HWND owner, EntryForm& form);

// The dialog procedure of both templates; it tells them apart by the URL field being enabled.
INT_PTR CALLBACK EntryDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
