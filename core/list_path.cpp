// The list file's path from the "datafile" setting.
#include "core/list_path.h"

static bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsAbsoluteDataFile(std::wstring_view datafile)
{
    if (datafile.size() >= 3 && datafile[1] == L':' && IsSeparator(datafile[2])) {
        wchar_t drive = datafile[0];
        return (drive >= L'A' && drive <= L'Z') || (drive >= L'a' && drive <= L'z');
    }
    // "\\server\...": a server name, then the separator before the share.
    return datafile.size() >= 4 && datafile.substr(0, 2) == L"\\\\" && !IsSeparator(datafile[2]) &&
           datafile.find(L'\\', 3) != std::wstring_view::npos;
}

std::wstring ListFilePathFor(std::wstring_view programDir, std::wstring_view datafile)
{
    std::wstring path;
    if (!IsAbsoluteDataFile(datafile)) {
        path = programDir;
        path += L'\\';
    }
    path += datafile;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}
