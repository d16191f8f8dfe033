// Reading a dialog field whole, whatever its length.
#pragma once
#include <string>

#include <windows.h>

std::wstring DialogItemText(HWND dlg, int id);
