// Start-up with settings no run of the program wrote: numbers far out of range, values of the
// wrong type, strings of 100 KB. The program starts with its window on the screen at a size
// one can work with, shows the list, takes commands, and saves it at exit.
#include <vector>

#include "app/docking.h"
#include "core/lines.h"
#include "core/list_path.h"
#include "platform/file.h"
#include "platform/registry.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tests/app/peers.h"
#include "tests/app/screen.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"

namespace {

const std::string kList = "0Work\\\r\n1Mail,http://m\r\n0Home\\\r\n";

// One registry value as a test writes it: a number, or raw data of any type.
struct StoredValue {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
};

StoredValue Number(const wchar_t* name, DWORD value)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    return {name, REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof value)};
}

StoredValue Text(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {name, type, std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t))};
}

StoredValue Raw(const wchar_t* name, DWORD type, size_t size, BYTE fill)
{
    return {name, type, std::vector<BYTE>(size, fill)};
}

struct BadSettings {
    const char* name;
    std::vector<StoredValue> values;
};

void PrintTo(const BadSettings& settings, std::ostream* out) { *out << settings.name; }

class BadSettingsTest : public AppTest, public ::testing::WithParamInterface<BadSettings> {};

// On the screen: the whole window within the screen's bounds, and big enough to use. A bar
// that auto-hid already is first brought back, as the pointer at the edge does.
void ExpectUsableWindowOnScreen()
{
    if (IsBarHidden()) SendMessageW(g_ui.main, WM_SETCURSOR, reinterpret_cast<WPARAM>(g_ui.main), HTCLIENT);
    RECT r = MainWindowRect();
    EXPECT_TRUE(IsWindowVisible(g_ui.main));
    EXPECT_GE(r.left, 0) << r;
    EXPECT_GE(r.top, 0) << r;
    EXPECT_LE(r.right, kScreenWidth) << r;
    EXPECT_LE(r.bottom, kScreenHeight + 2) << r;   // a shown auto-hide bar reaches 2 below the taskbar's top
    EXPECT_GE(r.right - r.left, 100) << r;
    EXPECT_GE(r.bottom - r.top, 100) << r;
    RECT tree{};
    GetWindowRect(g_ui.tree, &tree);
    EXPECT_GT(tree.right - tree.left, 0) << tree;
    EXPECT_GT(tree.bottom - tree.top, 0) << tree;
}

TEST_P(BadSettingsTest, StartsOnTheScreenShowsTheListAndSavesIt)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (const StoredValue& v : GetParam().values)
        ASSERT_EQ(RegSetValueExW(key, v.name, 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size())),
                  ERROR_SUCCESS);
    RegCloseKey(key);
    WriteFileBytes(L"list.dat", kList);

    Start();
    ExpectUsableWindowOnScreen();
    EXPECT_EQ(ShownTree().size(), 3u);
    ExpectTreeMatchesRebuild();

    // A few ticks of the hide timer and the commands that read the settings. No browser is
    // found to start: opening ends in the message that says so.
    AppPathsEntries noBrowser;
    for (AppPathsPlace place : {AppPathsPlace::User, AppPathsPlace::Machine64, AppPathsPlace::Machine32})
        for (const wchar_t* key : {L"IEXPLORE.EXE", L"Netscape.exe", L"Opera.exe"}) noBrowser.Set(key, std::nullopt, place);
    PumpFor(150);
    Select({L"Work", L"Mail"});
    for (WORD command : {IDM_OPEN, IDM_SWITCHEDGE, IDM_TOGGLEEXPAND, IDM_REDOCK}) SendMessageW(g_ui.main, WM_COMMAND, command, 0);
    PumpMessages();
    EXPECT_EQ(ShownTree().size(), 3u);
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kList);
    EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kList);
}

const std::wstring k100KB(100 * 1024, L'x');

INSTANTIATE_TEST_SUITE_P(Values, BadSettingsTest, ::testing::Values(
    BadSettings{"FloatingFarRightAndBelow", {Number(L"X", 0x7FFFFFFF), Number(L"Y", 0x7FFFFFFF)}},
    BadSettings{"DockedHugeWidthAtTheRight", {Number(L"FloatMode", 0), Number(L"dt_width", 100000), Number(L"AppBarMode", 2)}},
    BadSettings{"DockedAtNoEdge", {Number(L"FloatMode", 0), Number(L"AppBarMode", 0xFFFFFFFF)}},
    BadSettings{"EndlessHideTime", {Number(L"FloatMode", 0), Number(L"HideTime", 0xFFFFFFFF)}},
    BadSettings{"NumbersAsText", {Text(L"X", L"100"), Text(L"Width", L"300"), Text(L"FloatMode", L"0"),
                                  Text(L"dt_width", L"5000", REG_EXPAND_SZ), Text(L"SelectWeb", L"2", REG_MULTI_SZ)}},
    BadSettings{"NumbersOfOtherSizes", {Raw(L"X", REG_BINARY, 2, 0xFF), Raw(L"Width", REG_QWORD, 8, 0xFF),
                                        Raw(L"dt_width", REG_BINARY, 100 * 1024, 0x7F), Raw(L"HideTime", REG_DWORD, 0, 0)}},
    BadSettings{"DataFileOf100KB", {Text(L"datafile", k100KB)}},
    BadSettings{"DataFileOf100KBBinary", {Raw(L"datafile", REG_BINARY, 100 * 1024, 'a')}},
    BadSettings{"DataFileAsNumber", {Number(L"datafile", 0x41414141)}},
    BadSettings{"CurPathOf100KB", {Text(L"curpath", k100KB)}}),
    [](const ::testing::TestParamInfo<BadSettings>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

struct DataFileName {
    const char* name;
    std::wstring datafile;
    bool unreadable;   // the name opens no file that can be read: the user is told at the start
};

void PrintTo(const DataFileName& c, std::ostream* out) { *out << c.name; }

class DataFileNameTest : public AppTest, public ::testing::WithParamInterface<DataFileName> {};

// Whatever the name, the list file the name does not mean stays untouched, and the edits of
// the run are saved: under that name when the system takes it, else in a side file the user
// is told about.
TEST_P(DataFileNameTest, EditsAreSavedUnderTheNameOrAside)
{
    const std::wstring& datafile = GetParam().datafile;
    SetSettingString(L"datafile", datafile);
    WriteFileBytes(L"list.dat", kList);
    Start();
    ExpectUsableWindowOnScreen();
    EXPECT_EQ(g_shownMessages.size(), GetParam().unreadable ? 1u : 0u);
    AddLine(g_bookmarks, "0Added\\");
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), kList);

    std::wstring target = ListFilePathFor(folder(), datafile);
    std::string saved;
    bool savedThere = ReadWholeFile(target, 1u << 20, &saved, FILE_SHARE_READ) == ReadResult::Read &&
                      saved.find("0Added\\\r\n") != std::string::npos;
    if (savedThere) {
        if (FolderOf(target) != folder()) DeleteFileW(target.c_str());
        return;
    }
    std::vector<std::string> aside = SideFileContents(folder(), false);
    for (const std::string& bytes : SideFileContents(TemporaryFolder(), true)) aside.push_back(bytes);
    ASSERT_EQ(aside.size(), 1u) << "the edits went to one side file";
    EXPECT_NE(aside[0].find("0Added\\\r\n"), std::string::npos);
    EXPECT_FALSE(g_shownMessages.empty());
}

INSTANTIATE_TEST_SUITE_P(Names, DataFileNameTest, ::testing::Values(
    DataFileName{"NulDevice", L"NUL", true},
    DataFileName{"Console", L"CON", true},
    DataFileName{"Wildcards", L"*?.dat", true},
    DataFileName{"MissingSubfolder", L"sub\\x.dat", false},
    DataFileName{"ParentFolder", L"..\\escape.dat", false},
    DataFileName{"AbsolutePath", L"C:\\elsewhere.dat", false}),
    [](const ::testing::TestParamInfo<DataFileName>& info) { return std::string(info.param.name); });

}  // namespace
