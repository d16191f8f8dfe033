// The hand-off to the companion: the URL on the real system clipboard, WM_URLREADY posted to
// the window of class DRAVLON (made here, in the test process), the internal clip list emptied.
#include "core/lines.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tree/state.h"

namespace {

std::vector<std::wstring> s_ready;   // the clipboard's text at each WM_URLREADY

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class CompanionTest : public AppTest {
protected:
    void TearDown() override
    {
        if (companion_) DestroyWindow(companion_);
        AppTest::TearDown();
    }
    HWND companion_ = nullptr;
};

// Without a companion the request waits on a timer, the queue empty between tries; when the
// companion appears, one hand-off follows, of the entry selected then. A folder hands nothing
// over (the clipboard keeps the URL before it) but still empties the clip.
TEST_F(CompanionTest, RequestWaitsForTheCompanionHandsOverOnceAndAFolderHandsNothing)
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
    companion_ = CreateWindowExW(0, L"DRAVLON", L"", WS_OVERLAPPED, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(PumpUntil([] { return !s_ready.empty(); }, 5000));
    PumpFor(400);   // several retry periods: no second hand-off
    EXPECT_TRUE(g_clip.lines.empty());
    g_clip.lines = {"0kept\\"};
    Select({L"A"});
    SendMessageW(g_ui.main, WM_SENDURL, 7, 9);   // whatever the companion passes
    PumpMessages();
    EXPECT_EQ(s_ready, std::vector<std::wstring>{L"tle,xyz"});
    EXPECT_EQ(ClipboardText(), L"tle,xyz");   // also: the clipboard was left closed
    EXPECT_TRUE(g_clip.lines.empty());
}

}  // namespace
