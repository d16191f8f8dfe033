// What the imports of other programs' bookmark files share: the new Books added at the end of
// the list in one step, the list saved, the tree rebuilt once, and one message of what the
// import changed or left out.
#pragma once
#include <string>
#include <vector>

#include "core/import_rules.h"

#include <windows.h>

// Reading a bookmark file's bytes, as the imports take them.
bool ReadBookmarkFile(const std::wstring& path, std::string* bytes);

// Lines that room is left for in the list.
size_t RoomForImport();

// `title` (code page 932) as the first free title among the Books.
std::string UniqueBookTitle(std::string title);

// Appends `lines` (whole Books), saves the list with the hand-edit guard, rebuilds the tree with
// the first new Book selected, and tells the save's trouble.
void AddBooksAndSave(HWND hwnd, std::vector<std::string> lines);

// AddBooksAndSave, then tells `counts`.
void AddImportedBooks(HWND hwnd, std::vector<std::string> lines, const ImportCounts& counts);

// What an import changed or left out, as lines of one message; empty when nothing.
std::wstring ImportCountsText(const ImportCounts& counts);

// The refusal of a file that is not the format, or names a charset no reader knows.
void ReportRefusedFile(HWND hwnd, const ImportResult& result, const std::wstring& path);
