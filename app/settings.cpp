// Start-up settings: read once into g_set; from then on the program works with g_set.
#include "app/settings.h"

#include <string>

#include "app/settings_store.h"
#include "app/state.h"

static DWORD ReadSetting(const wchar_t* name, DWORD def)
{
    return RegReadDword(HKEY_CURRENT_USER, kSettingsKey, name, def);
}

void ReadStartupSettings()
{
    g_set.hideMode = ReadSetting(L"HideMode", 1);
    g_set.hideTime = ReadSetting(L"HideTime", 200);
    g_set.sortFlg = ReadSetting(L"SortFlg", 1);
    g_set.chkFindStr = ReadSetting(L"ChkFindStr", 2);
    g_set.askFlg = ReadSetting(L"AskFlg", 1);
    g_set.floatMode = ReadSetting(L"FloatMode", 1);
    g_set.appBarMode = ReadSetting(L"AppBarMode", 0);
    g_set.topMode = ReadSetting(L"TopMode", 1);
}

// The longest "datafile" name read, in CP932 bytes with its terminator.
static constexpr size_t kDataFileCapacity = 511;

void FormListFilePath()
{
    std::wstring name;
    RegReadWideString(HKEY_CURRENT_USER, kSettingsKey, L"datafile", name, kDataFileCapacity);
    if (name.empty()) name = L"list.dat";
    g_paths.listFile = g_paths.programDir + L"\\" + name;
}

void RestoreFloatRect()
{
    int x = static_cast<int>(ReadSetting(L"X", 20));
    int y = static_cast<int>(ReadSetting(L"Y", 20));
    int width = static_cast<int>(ReadSetting(L"Width", 0));
    int height = static_cast<int>(ReadSetting(L"Height", 0));
    if (width == 0 || height == 0) {
        width = 200;
        height = 600;
    }
    MoveWindow(g_ui.main, x, y, width, height, TRUE);
}
