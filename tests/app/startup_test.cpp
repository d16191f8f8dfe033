// Start-up and exit as only real runs show them: settings no run wrote, list names the system refuses.
#include "app/docking.h"
#include "core/lines.h"
#include "core/list_path.h"
#include "platform/file.h"
#include "platform/registry.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"

namespace {

const std::string kSample = "0Work\\\r\n1Tools\\\r\n2Editor,http://e\r\n0Home\\\r\n1Mail,http://m\r\n";

using StartupExitTest = AppTest;

// Out-of-range numbers, wrong types and sizes, 100 KB strings: a usable window on the screen.
TEST_F(StartupExitTest, BadSettingsStillStartOnTheScreenShowTheListAndSaveIt)
{
    struct Value { const wchar_t* name; DWORD type; std::vector<BYTE> data; };
    auto number = [](const wchar_t* name, DWORD v) {
        return Value{name, REG_DWORD, {BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)}};
    };
    auto text = [](const wchar_t* name, const std::wstring& s, DWORD type = REG_SZ) {
        const BYTE* bytes = reinterpret_cast<const BYTE*>(s.c_str());
        return Value{name, type, std::vector<BYTE>(bytes, bytes + (s.size() + 1) * sizeof(wchar_t))};
    };
    const std::wstring k100KB(100 * 1024, L'x');
    const std::vector<std::vector<Value>> rows = {
        {number(L"X", 0x7FFFFFFF), number(L"Y", 0x7FFFFFFF), text(L"datafile", k100KB), text(L"curpath", k100KB),
         text(L"Width", L"300"), {L"HideTime", REG_DWORD, {}}, {L"dt_width", REG_BINARY, std::vector<BYTE>(2, 0xFF)}},
        {number(L"FloatMode", 0), number(L"dt_width", 100000), number(L"AppBarMode", 2)},
        {number(L"FloatMode", 0), number(L"AppBarMode", 0xFFFFFFFF), number(L"HideTime", 0xFFFFFFFF),
         text(L"SelectWeb", L"2", REG_MULTI_SZ), number(L"datafile", 0x41414141)}};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        ClearSettings();
        for (const Value& v : rows[i])
            RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, v.name, v.type, v.data.data(), DWORD(v.data.size()));
        WriteFileBytes(L"list.dat", kSample);
        Start();
        if (IsBarHidden()) SendMessageW(g_ui.main, WM_SETCURSOR, reinterpret_cast<WPARAM>(g_ui.main), HTCLIENT);
        RECT r = MainWindowRect();
        EXPECT_TRUE(IsWindowVisible(g_ui.main));
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= kScreenWidth && r.bottom <= kScreenHeight + 2) << r;
        EXPECT_TRUE(r.right - r.left >= 100 && r.bottom - r.top >= 100) << r;
        PumpFor(150);   // a few ticks of the hide timer, and the commands that read the settings
        for (WORD command : {IDM_SWITCHEDGE, IDM_TOGGLEEXPAND, IDM_REDOCK}) SendMessageW(g_ui.main, WM_COMMAND, command, 0);
        PumpMessages();
        EXPECT_EQ(ShownTree().size(), 5u);
        Exit();
        EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample);
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample);
    }
}

// Refused names: list.dat untouched; the edits saved there or aside, and the user told (unreadable: at start).
TEST_F(StartupExitTest, EditsAreSavedUnderTheDataFileNameOrAside)
{
    const struct { const wchar_t* datafile; bool unreadable; } rows[] = {
        {L"NUL", true}, {L"*?.dat", true}, {L"sub\\x.dat", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(NarrowForLog(row.datafile));
        SetSettingString(L"datafile", row.datafile);
        WriteFileBytes(L"list.dat", kSample);
        g_shownMessages.clear();
        Start();
        EXPECT_EQ(g_shownMessages.size(), row.unreadable ? 1u : 0u);
        AddLine(g_bookmarks, "0Added\\");
        Exit();
        EXPECT_EQ(ReadFileBytes(L"list.dat"), kSample);
        std::wstring target = ListFilePathFor(folder(), row.datafile);
        std::vector<SideFile> aside = SideFiles(folder(), true), temp = SideFiles(TemporaryFolder(), true);
        aside.insert(aside.end(), temp.begin(), temp.end());
        std::string found;
        (void)ReadWholeFile(target, 1u << 20, &found, FILE_SHARE_READ);
        DeleteFileW(target.c_str());
        for (const SideFile& side : aside) found += side.bytes;
        EXPECT_TRUE(found.find("0Added") != std::string::npos && found.find("0Added") == found.rfind("0Added")) << found;
        EXPECT_EQ(g_shownMessages.size(), (row.unreadable ? 1u : 0u) + (aside.empty() ? 0u : 1u));
    }
}

}  // namespace
