// The three browsers the program can hand a URL to, by BrowserKind (1, 2, 3), and the kind
// that stands for whatever browser the system opens web addresses with.
#pragma once
#include <cstdint>

struct BrowserRow {
    const char* service;        // DDE service name
    const wchar_t* appPathsKey;  // under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE; its default value is the executable
    const char* titleMark;       // what the browser's window caption holds
    bool wantsFileUrls;          // local paths are handed over as file URLs
};

inline const BrowserRow* BrowserRowOf(uint32_t kind)
{
    static const BrowserRow kBrowserTable[] = {
        {"IEXPLORE", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE",
         "- Microsoft Internet Explorer", false},
        {"NETSCAPE", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Netscape.exe", "- Netscape", false},
        {"OPERA", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe", "Opera - [", true},
    };
    return kind >= 1 && kind <= 3 ? &kBrowserTable[kind - 1] : nullptr;
}

// The system's default browser: reached through the shell, so it has no row above.
constexpr uint32_t kDefaultBrowserKind = 4;

// A kind the program can open with: 1-3 (a row above) or the default browser.
inline bool IsBrowserKind(uint32_t kind) { return kind >= 1 && kind <= kDefaultBrowserKind; }
