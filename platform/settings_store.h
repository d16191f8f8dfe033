// The names of the values kept under the settings key, each spelled here once, and the one
// number read and write every layer uses for them. What each value means, its default and
// when it is read and written: the settings table in app/settings.cpp.
#pragma once
#include <windows.h>

#include "platform/registry.h"

namespace SettingName {
inline constexpr wchar_t kHideMode[] = L"HideMode";
inline constexpr wchar_t kHideTime[] = L"HideTime";
inline constexpr wchar_t kSortFlg[] = L"SortFlg";
inline constexpr wchar_t kChkFindStr[] = L"ChkFindStr";
inline constexpr wchar_t kAskFlg[] = L"AskFlg";
inline constexpr wchar_t kFloatMode[] = L"FloatMode";
inline constexpr wchar_t kAppBarMode[] = L"AppBarMode";
inline constexpr wchar_t kTopMode[] = L"TopMode";
inline constexpr wchar_t kSelectWeb[] = L"SelectWeb";
inline constexpr wchar_t kDtWidth[] = L"dt_width";
inline constexpr wchar_t kCurSelect[] = L"CurSelect";
inline constexpr wchar_t kX[] = L"X";
inline constexpr wchar_t kY[] = L"Y";
inline constexpr wchar_t kWidth[] = L"Width";
inline constexpr wchar_t kHeight[] = L"Height";
inline constexpr wchar_t kBackupDays[] = L"BackupDays";
inline constexpr wchar_t kDataFile[] = L"datafile";
inline constexpr wchar_t kCurPath[] = L"curpath";
}   // namespace SettingName

// The stored number, or `absent` when there is none.
inline DWORD ReadSettingNumber(const wchar_t* name, DWORD absent)
{
    return RegReadDword(HKEY_CURRENT_USER, kSettingsKey, name, absent);
}

// No caller looks at the result of a settings write.
inline void WriteSettingNumber(const wchar_t* name, DWORD value)
{
    (void)RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, name, value);
}
