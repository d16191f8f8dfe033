// The three steps of writing a file where the tests make the file layer fail: creating a file,
// writing a piece of it, and the moment a written temporary file is about to replace its target.
// The program links platform/file_seam.cpp, which makes the plain calls; the Windows tests link
// a version that can refuse a folder, fill the disk or end the process at these points.
#pragma once
#include <string>

#include <windows.h>

// Creates a file that must not exist yet, for writing, without sharing.
HANDLE CreateNewFileForWriting(const std::wstring& path);

// Writes up to `size` bytes; as WriteFile.
bool WriteFilePiece(HANDLE file, const char* data, DWORD size, DWORD* written);

// Called when the temporary file is written, flushed and closed, before it is moved over `target`.
void BeforeReplacing(const std::wstring& tempPath, const std::wstring& target);
