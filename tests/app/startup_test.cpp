// Start-up and exit with settings no run wrote (the list name rule: list_path_test; saving aside: rows_test).
#include "app/docking.h"
#include "platform/registry.h"
#include "res/resource.h"
#include "tests/app/harness.h"
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
        {number(L"FloatMode", 0), number(L"dt_width", 100000), number(L"AppBarMode", 0xFFFFFFFF),
         number(L"HideTime", 0xFFFFFFFF), text(L"SelectWeb", L"2", REG_MULTI_SZ), number(L"datafile", 0x41414141)}};
    for (const std::vector<Value>& row : rows) {
        ClearSettings();
        for (const Value& v : row)
            RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, v.name, v.type, v.data.data(), DWORD(v.data.size()));
        WriteFileBytes(L"list.dat", kSample);
        Start();
        if (IsBarHidden()) SendMessageW(g_ui.main, WM_SETCURSOR, reinterpret_cast<WPARAM>(g_ui.main), HTCLIENT);
        RECT r = MainWindowRect();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= kScreenWidth && r.bottom <= kScreenHeight + 2);
        EXPECT_TRUE(r.right - r.left >= 100 && r.bottom - r.top >= 100);
        for (WORD command : {IDM_SWITCHEDGE, IDM_REDOCK}) SendMessageW(g_ui.main, WM_COMMAND, command, 0);
        EXPECT_EQ(ShownTree().size(), 5u);
        Exit();
        EXPECT_EQ(ReadFileBytes(L"_backup.dat"), kSample);
    }
}

}  // namespace
