// The shell and help viewer as the tests see them: each request recorded, nothing started.
#pragma once
#include <string>
#include <vector>

#include <windows.h>

struct ShellRequest {
    enum Kind { Open, Help } kind;
    HWND owner;
    std::wstring file;
    DWORD context;   // help topic; 0 for Open
};
extern std::vector<ShellRequest> g_shellRequests;
