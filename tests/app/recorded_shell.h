// The shell and help viewer as the tests see them: each request recorded, nothing started.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

struct ShellRequest { std::wstring file; DWORD context; };   // context: the help topic, 0 for a file opened
inline std::vector<ShellRequest> g_shellRequests;
inline bool g_shellFails = false;   // every file opened is then refused, as the shell refuses one it cannot open
