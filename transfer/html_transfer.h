// Bookmark HTML, the file every browser exports and imports: a file of it as one new Book, and
// the whole list written as one.
#pragma once
#include <string>

#include <windows.h>

void OnImportHtml(HWND hwnd);
void OnExportHtml(HWND hwnd);

// The Book title an imported file gets before it is made unique: its name without the extension.
std::wstring BookTitleOfFile(const std::wstring& path);
