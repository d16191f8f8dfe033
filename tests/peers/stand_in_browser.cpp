// Stands in for a browser started from its App Paths entry: records how it was started and
// ends. Writes its command line and then each argument, one a line in UTF-8, to the file
// named by the environment variable LARKIT_STAND_IN_LOG; the file appears whole or not at all.
#include <windows.h>
#include <shellapi.h>

#include <string>

static std::string Utf8(const std::wstring& wide)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

int wmain()
{
    wchar_t log[MAX_PATH];
    if (!GetEnvironmentVariableW(L"LARKIT_STAND_IN_LOG", log, MAX_PATH)) return 2;
    std::string text = Utf8(GetCommandLineW()) + "\n";
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 0; i < argc; ++i) text += Utf8(argv[i]) + "\n";
    LocalFree(argv);
    std::wstring partial = std::wstring(log) + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return MoveFileExW(partial.c_str(), log, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
