// Handing a document to the shell and a help file to the help viewer. Tests link a recording
// version of this file instead of platform/shell_open.cpp, so that nothing outside starts.
#pragma once
#include <string>

#include <windows.h>

// Asks the shell to open `file` (verb "open", no parameters, no directory, shown normally)
// on behalf of `owner`. What the shell does with it, failure included, is the shell's.
void OpenWithShell(HWND owner, const std::wstring& file);

// Asks the help viewer for topic `context` of `helpFile`; its answer is not looked at.
void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context);
