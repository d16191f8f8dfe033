// The program's texts from its STRINGTABLE (res/larkit.rc), by IDS_ id.
#pragma once
#include <initializer_list>
#include <string>

#include <windows.h>

// The whole text `id`; empty when the program has no such text.
std::wstring LoadText(UINT id);

// Text `id` with each %1 .. %9 replaced by that argument (a path, a count); everything
// else, a % included, stays as written.
std::wstring FormatText(UINT id, std::initializer_list<std::wstring> args);
