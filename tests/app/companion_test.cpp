// The hand-off to the companion: the URL on the real system clipboard, WM_URLREADY posted to
// the window of class DRAVLON (made here, in the test process), the internal clip list emptied.
#include "core/lines.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tree/state.h"

namespace {

int s_ready = 0;   // WM_URLREADY received
using CompanionTest = AppTest;

// Without a companion the request waits on a timer, the queue empty between tries; when the
// companion appears, one hand-off follows, of the entry selected then.
TEST_F(CompanionTest, RequestWaitsForTheCompanionAndHandsOverOnce)
{
    WriteFileBytes(L"list.dat", "0A\\\r\n1Ti,tle,xyz\r\n1second,http://second\r\n");
    Start();
    s_ready = 0;
    g_clip.lines = {"0kept\\"};
    Select({L"A", L"second"});
    PostMessageW(g_ui.main, WM_SENDURL, 0, 0);
    PumpFor(400);
    MSG waiting;
    EXPECT_FALSE(PeekMessageW(&waiting, g_ui.main, WM_SENDURL, WM_SENDURL, PM_NOREMOVE));
    EXPECT_EQ(g_clip.lines, (std::vector<std::string>{"0kept\\"}));
    Select({L"A", L"Ti"});
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        s_ready += msg == WM_URLREADY;
        return msg == WM_URLREADY ? 0 : DefWindowProcW(hwnd, msg, wp, lp);
    };
    wc.lpszClassName = L"DRAVLON";
    RegisterClassW(&wc);
    HWND companion = CreateWindowExW(0, L"DRAVLON", L"", WS_OVERLAPPED, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    PumpUntil([] { return s_ready > 0; }, 5000);
    PumpFor(400);   // several retry periods: no second hand-off
    DestroyWindow(companion);
    EXPECT_EQ(s_ready, 1);
    EXPECT_TRUE(g_clip.lines.empty());
    ASSERT_TRUE(OpenClipboard(nullptr));   // also: the program left it closed
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    EXPECT_STREQ(data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"", L"tle,xyz");
    CloseClipboard();
}

}  // namespace
