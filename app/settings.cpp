// Start-up settings: read once into g_set; from then on the program works with g_set.
#include "app/settings.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/bar_geometry.h"
#include "core/list_path.h"
#include "platform/registry.h"
#include "tree/state.h"

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
    g_paths.listFile = ListFilePathFor(g_paths.programDir, name);
    g_set.dataFile = std::move(name);
}

// A coordinate of a stored rectangle's far side, kept within what a RECT holds.
static LONG Saturated(int64_t value)
{
    return static_cast<LONG>(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, value)));
}

// The rectangle made usable in the work area of the monitor it lies on, or the nearest one.
static RECT UsableOnItsMonitor(int32_t x, int32_t y, int32_t width, int32_t height)
{
    RECT stored{x, y, Saturated(int64_t{x} + std::max(width, 1)), Saturated(int64_t{y} + std::max(height, 1))};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&stored, MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT& work = monitor.rcWork;
    BarRect r = UsableFloatRect(x, y, width, height, {work.left, work.top, work.right, work.bottom});
    return {r.left, r.top, r.right, r.bottom};
}

static void MoveMainTo(const RECT& r)
{
    MoveWindow(g_ui.main, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void RestoreFloatRect()
{
    MoveMainTo(UsableOnItsMonitor(
        static_cast<int32_t>(ReadSetting(L"X", 20)), static_cast<int32_t>(ReadSetting(L"Y", 20)),
        static_cast<int32_t>(ReadSetting(L"Width", 0)), static_cast<int32_t>(ReadSetting(L"Height", 0))));
}

void KeepFloatingWindowUsable()
{
    RECT now{};
    GetWindowRect(g_ui.main, &now);
    RECT usable = UsableOnItsMonitor(now.left, now.top, now.right - now.left, now.bottom - now.top);
    if (!EqualRect(&now, &usable)) MoveMainTo(usable);
}
