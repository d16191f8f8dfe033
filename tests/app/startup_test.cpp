// Start-up and exit with settings no run wrote (the list name rule: tests/core/list_test; saving aside: rows_test).
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
    const DWORD big = 0x7FFFFFFF, wide = 100000, all = 0xFFFFFFFF, zero = 0, abcd = 0x41414141;
    const std::wstring k100KB(100 * 1024, L'x');
    const DWORD size100KB = DWORD(k100KB.size() + 1) * sizeof(wchar_t);
    struct Value { const wchar_t* name; DWORD type; const void* data; DWORD size; };
    const std::vector<Value> rows[] = {
        {{L"X", REG_DWORD, &big, 4}, {L"Y", REG_DWORD, &big, 4}, {L"datafile", REG_SZ, k100KB.c_str(), size100KB},
         {L"curpath", REG_SZ, k100KB.c_str(), size100KB}, {L"Width", REG_SZ, L"300", 8},
         {L"HideTime", REG_DWORD, &big, 0}, {L"dt_width", REG_BINARY, &all, 2}},
        {{L"FloatMode", REG_DWORD, &zero, 4}, {L"dt_width", REG_DWORD, &wide, 4}, {L"AppBarMode", REG_DWORD, &all, 4},
         {L"HideTime", REG_DWORD, &all, 4}, {L"SelectWeb", REG_MULTI_SZ, L"2\0", 6}, {L"datafile", REG_DWORD, &abcd, 4}}};
    for (const std::vector<Value>& row : rows) {
        ClearSettings();
        for (const Value& v : row) RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, v.name, v.type, v.data, v.size);
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
