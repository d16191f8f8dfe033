// Stands in for a browser started from its App Paths entry: appends its command line and then
// each argument as the system splits it, one a line in UTF-8, in one write, to the file named
// by the environment variable LARKIT_STAND_IN_LOG, and ends.
#include <windows.h>
#include <shellapi.h>

#include <string>

static std::string Utf8(const wchar_t* wide)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), n, nullptr, nullptr);
    text.back() = '\n';
    return text;
}

int wmain()
{
    wchar_t log[MAX_PATH];
    if (!GetEnvironmentVariableW(L"LARKIT_STAND_IN_LOG", log, MAX_PATH)) return 2;
    std::string text = Utf8(GetCommandLineW());
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 0; i < argc; ++i) text += Utf8(argv[i]);
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    return file != INVALID_HANDLE_VALUE && WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ? 0 : 3;
}
