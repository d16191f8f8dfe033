// The system's open and save dialogs for a file of one kind. Tests link their own version of
// platform/file_dialog.cpp, which answers with planned paths.
#pragma once
#include <string>

#include <windows.h>

// The kind of file asked for: its name in the dialog's type list (an IDS_ text) and its patterns
// ("*.html;*.htm"), and the extension added to a name typed without one.
struct FileKind {
    UINT nameText;
    const wchar_t* patterns;
    const wchar_t* extension;
};

// The path of an existing file the user chose; false when the dialog was cancelled.
bool AskFileToOpen(HWND owner, const FileKind& kind, std::wstring* path);

// The path the user chose to write, starting from `defaultName`; the dialog asks before it
// names an existing file. False when cancelled.
bool AskFileToSave(HWND owner, const FileKind& kind, const wchar_t* defaultName, std::wstring* path);
