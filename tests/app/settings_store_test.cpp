// Registry values: defaults for what is absent or unusable, strings through code page 932.
#include "platform/registry.h"
#include "tests/app/harness.h"

namespace {

class SettingsStoreTest : public AppTest {};

TEST_F(SettingsStoreTest, NumbersReadBackOrTakeTheirDefault)
{
    EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kSettingsKey, L"HideTime", 200), 200u);   // no key yet
    EXPECT_EQ(RegWriteDword(HKEY_CURRENT_USER, kSettingsKey, L"HideTime", 350), 1);
    EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kSettingsKey, L"HideTime", 200), 350u);
    EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kSettingsKey, L"Other", 7), 7u);           // key, no value

    // Data of another type or size is not a number.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    unsigned long long wide = 5;
    RegSetValueExW(key, L"Qword", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof wide);
    RegSetValueExW(key, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1"), 4);
    RegCloseKey(key);
    EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kSettingsKey, L"Qword", 9), 9u);
    EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kSettingsKey, L"Text", 9), 9u);
}

TEST_F(SettingsStoreTest, StringsCrossAsCp932)
{
    std::string buffer = "untouched";
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kSettingsKey, L"datafile", buffer, 511), 0);   // no key
    EXPECT_EQ(buffer, "untouched");

    std::string title = Cp932("表計算ソフト.dat");
    EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, kSettingsKey, L"datafile", title), 1);
    std::wstring stored;
    ASSERT_TRUE(ReadSettingString(L"datafile", &stored));
    EXPECT_EQ(stored, WideFromUtf8("表計算ソフト.dat"));
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kSettingsKey, L"datafile", buffer, 511), 1);
    EXPECT_EQ(buffer, title);

    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kSettingsKey, L"absent", buffer, 511), 1);
    EXPECT_EQ(buffer, "");
}

TEST_F(SettingsStoreTest, TextThatDoesNotFitTheCapacityReadsEmpty)
{
    std::string buffer;
    SetSettingString(L"name", std::wstring(510, L'a'));
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kSettingsKey, L"name", buffer, 511), 1);
    EXPECT_EQ(buffer.size(), 510u);
    SetSettingString(L"name", std::wstring(511, L'a'));
    RegReadString(HKEY_CURRENT_USER, kSettingsKey, L"name", buffer, 511);
    EXPECT_EQ(buffer, "");
    SetSettingString(L"name", std::wstring(256, L'\x8868'));   // 512 bytes in CP932
    RegReadString(HKEY_CURRENT_USER, kSettingsKey, L"name", buffer, 511);
    EXPECT_EQ(buffer, "");
}

TEST_F(SettingsStoreTest, KeysOutsideTheSettingsKeyAndDefaultValues)
{
    const wchar_t* path = L"Software\\Quorvane\\larkit\\Sub";
    std::string buffer = "x";
    RegWriteString(HKEY_CURRENT_USER, path, nullptr, "C:\\b\\b.exe");
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, path, nullptr, buffer, 511), 1);
    EXPECT_EQ(buffer, "C:\\b\\b.exe");
}

}  // namespace
