// Bookmark HTML, the file every browser exports and imports: a file of it as one new Book, and
// the whole list written as one.
#pragma once
#include <string>

#include <windows.h>

void OnImportHtml(HWND hwnd);
void OnExportHtml(HWND hwnd);

// The import once the file is chosen: the file at `path` as a new Book, or a message.
void ImportHtmlFile(HWND hwnd, const std::wstring& path);

// The export once the path is chosen: false when the file could not be written (told).
bool ExportHtmlFile(HWND hwnd, const std::wstring& path);

// The Book title an imported file gets before it is made unique: its name without the extension.
std::wstring BookTitleOfFile(const std::wstring& path);
