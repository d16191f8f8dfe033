// The settings table. Start-up reads it once into g_set; from then on the program works with
// g_set, and the store follows at the moments each writer gives.
#include "app/settings.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "core/bar_geometry.h"
#include "core/list_path.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "tree/state.h"

namespace {
struct SettingRow {
    const wchar_t* name;
    DWORD Settings::*field;       // null: kept in no field of g_set
    DWORD absent;                 // what a missing value reads as
    DWORD (*usable)(DWORD stored);   // null: used as stored
};
}   // namespace

// A browser kind of 0 (also an absent value) means the first browser.
static DWORD UsableBrowserKind(DWORD stored) { return stored == 0 ? 1 : stored; }

static DWORD UsableDockedWidth(DWORD stored) { return UsableBarWidth(stored, GetSystemMetrics(SM_CXSCREEN)); }

// One row per Setting, in its order.
static const SettingRow kSettings[] = {
    {SettingName::kHideMode, &Settings::hideMode, 1, nullptr},
    {SettingName::kHideTime, &Settings::hideTime, 200, nullptr},
    {SettingName::kSortFlg, &Settings::sortFlg, 1, nullptr},
    {SettingName::kChkFindStr, &Settings::chkFindStr, 2, nullptr},
    {SettingName::kAskFlg, &Settings::askFlg, 1, nullptr},
    {SettingName::kFloatMode, &Settings::floatMode, 1, nullptr},
    {SettingName::kAppBarMode, &Settings::appBarMode, 0, nullptr},
    {SettingName::kTopMode, &Settings::topMode, 1, nullptr},
    {SettingName::kSelectWeb, &Settings::selectWeb, 0, UsableBrowserKind},
    {SettingName::kDtWidth, &Settings::dtWidth, 200, UsableDockedWidth},
    {SettingName::kCurSelect, nullptr, 0, nullptr},
    {SettingName::kX, nullptr, 20, nullptr},
    {SettingName::kY, nullptr, 20, nullptr},
    {SettingName::kWidth, nullptr, 0, nullptr},
    {SettingName::kHeight, nullptr, 0, nullptr},
    {SettingName::kBackupDays, &Settings::backupDays, 10, nullptr},
};
static_assert(std::size(kSettings) == static_cast<size_t>(Setting::BackupDays) + 1, "one row per setting");

static const SettingRow& RowOf(Setting s) { return kSettings[static_cast<size_t>(s)]; }

DWORD ReadSetting(Setting s) { return ReadSettingNumber(RowOf(s).name, RowOf(s).absent); }

DWORD& SettingField(Setting s) { return g_set.*RowOf(s).field; }

void WriteSetting(Setting s) { WriteSettingNumber(RowOf(s).name, SettingField(s)); }

static void ReadIntoField(Setting s)
{
    const SettingRow& row = RowOf(s);
    DWORD stored = ReadSetting(s);
    g_set.*row.field = row.usable ? row.usable(stored) : stored;
}

// The longest "datafile" name read, in CP932 bytes with its terminator.
static constexpr size_t kDataFileCapacity = 511;

static void FormListFilePath()
{
    std::wstring name;
    RegReadWideString(HKEY_CURRENT_USER, kSettingsKey, SettingName::kDataFile, name, kDataFileCapacity);
    if (name.empty()) name = L"list.dat";
    g_paths.listFile = ListFilePathFor(g_paths.programDir, name);
    g_set.dataFile = std::move(name);
}

void ReadStartupSettings()
{
    for (Setting s : {Setting::HideMode, Setting::HideTime, Setting::SortFlg, Setting::ChkFindStr, Setting::AskFlg,
                      Setting::FloatMode, Setting::AppBarMode, Setting::TopMode})
        ReadIntoField(s);
    FormListFilePath();
    ReadIntoField(Setting::SelectWeb);
    ReadIntoField(Setting::DtWidth);
    ReadIntoField(Setting::BackupDays);
}

void SaveFloatRect(const RECT& r)
{
    WriteSettingNumber(SettingName::kX, static_cast<DWORD>(r.left));
    WriteSettingNumber(SettingName::kY, static_cast<DWORD>(r.top));
    WriteSettingNumber(SettingName::kWidth, static_cast<DWORD>(r.right - r.left));
    WriteSettingNumber(SettingName::kHeight, static_cast<DWORD>(r.bottom - r.top));
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
        static_cast<int32_t>(ReadSetting(Setting::X)), static_cast<int32_t>(ReadSetting(Setting::Y)),
        static_cast<int32_t>(ReadSetting(Setting::Width)), static_cast<int32_t>(ReadSetting(Setting::Height))));
}

void KeepFloatingWindowUsable()
{
    RECT now{};
    GetWindowRect(g_ui.main, &now);
    RECT usable = UsableOnItsMonitor(now.left, now.top, now.right - now.left, now.bottom - now.top);
    if (!EqualRect(&now, &usable)) MoveMainTo(usable);
}
