// Stands in for a browser started from App Paths: appends its command line, then each argument as
// the system splits it, one a line in UTF-8, to the file named by LARKIT_STAND_IN_LOG.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

int wmain()
{
    wchar_t log[MAX_PATH];
    if (!GetEnvironmentVariableW(L"LARKIT_STAND_IN_LOG", log, MAX_PATH)) return 2;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::string text;
    for (int i = -1; i < argc; ++i) {
        static char line[65536 * 3];
        WideCharToMultiByte(CP_UTF8, 0, i < 0 ? GetCommandLineW() : argv[i], -1, line, sizeof line, nullptr, nullptr);
        text += std::string(line) + "\n";
    }
    FILE* file = _wfopen(log, L"ab");
    return file && fputs(text.c_str(), file) >= 0 && fclose(file) == 0 ? 0 : 3;
}
