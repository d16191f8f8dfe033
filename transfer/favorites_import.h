// The Favorites import: the Favorites folder becomes one new Book at the end of the list,
// every sub-folder a Group and every Internet shortcut a URL entry. The list file is saved
// with the new lines at once.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/import_lines.h"

#include <windows.h>

void OnImportFavorites(HWND hwnd);

// What the import had to change on the way, for the user to be told.
struct ImportNotes {
    size_t replacedNames = 0;       // names with characters that code page 932 cannot hold
    size_t unreadableShortcuts = 0; // shortcut files that could not be read: their URL is empty
    size_t unstorableUrls = 0;      // shortcuts left out: MakeUrlStorable refuses their URL
};

// One entry of a listing as the import reads it: a folder, or a shortcut file with its URL.
// False for any other file, and for a shortcut whose URL MakeUrlStorable refuses (counted).
bool ReadImportEntry(const std::wstring& folder, const std::wstring& name, bool isFolder, FolderEntry* entry,
                     ImportNotes* notes);

// What the import had to change, as lines of one message; empty when nothing.
std::wstring ImportNotesText(const ImportNotes& notes);

// Reads the folder tree below `favorites` into import lines under a Book titled `bookTitle`.
// False when it would take more than `maxLines` lines.
bool ReadFavorites(const std::wstring& favorites, std::string_view bookTitle, size_t maxLines,
                   std::vector<std::string>* lines, ImportNotes* notes);
