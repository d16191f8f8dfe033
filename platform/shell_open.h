// Handing a document to the shell and a help file to the help viewer. Tests link a recording
// version of this file instead of platform/shell_open.cpp, so that nothing outside starts.
#pragma once
#include <string>

#include <windows.h>

// Asks the shell to open `file` (verb "open", no parameters, no directory, shown normally)
// on behalf of `owner`. False when the shell says it failed (a result of 32 or less); what it
// then tells the user, if anything, is the shell's.
bool OpenWithShell(HWND owner, const std::wstring& file);

// Asks the help viewer for topic `context` of `helpFile`; its answer is not looked at.
void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context);
