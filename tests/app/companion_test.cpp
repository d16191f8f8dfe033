// The hand-off to the companion: the URL on the real system clipboard, WM_URLREADY posted to
// the window of class DRAVLON (made here, in the test process), the internal clip list emptied.
#include "core/lines.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tree/state.h"

namespace {

std::wstring ClipboardText()
{
    std::wstring text = L"<busy>";
    if (!OpenClipboard(nullptr)) return text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

std::vector<std::wstring> s_ready;   // the clipboard's text at each WM_URLREADY
using CompanionTest = AppTest;

// Without a companion the request waits on a timer, the queue empty between tries; when the
// companion appears, one hand-off follows, of the entry selected then.
TEST_F(CompanionTest, RequestWaitsForTheCompanionAndHandsOverOnce)
{
    WriteFileBytes(L"list.dat", "0A\\\r\n1Ti,tle,xyz\r\n1second,http://second\r\n");
    Start();
    s_ready.clear();
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
        if (msg == WM_URLREADY) s_ready.push_back(ClipboardText());
        return msg == WM_URLREADY ? 0 : DefWindowProcW(hwnd, msg, wp, lp);
    };
    wc.lpszClassName = L"DRAVLON";
    RegisterClassW(&wc);
    HWND companion = CreateWindowExW(0, L"DRAVLON", L"", WS_OVERLAPPED, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    PumpUntil([] { return !s_ready.empty(); }, 5000);
    PumpFor(400);   // several retry periods: no second hand-off
    DestroyWindow(companion);
    EXPECT_EQ(s_ready, std::vector<std::wstring>{L"tle,xyz"});
    EXPECT_EQ(ClipboardText(), L"tle,xyz");   // also: the clipboard was left closed
    EXPECT_TRUE(g_clip.lines.empty());
}

}  // namespace
