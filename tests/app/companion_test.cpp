// The hand-off to the companion program: the URL on the system clipboard, WM_URLREADY posted
// to the companion's window, the internal clipboard emptied, and a request that waits for
// the companion without keeping the window busy.
#include <algorithm>

#include "core/lines.h"
#include "res/resource.h"
#include "tests/app/browser_fixture.h"

namespace {

void SetClipboardText(const std::wstring& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

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

class CompanionTest : public BrowserTest {
protected:
    void TearDown() override
    {
        companion_.Stop();
        BrowserTest::TearDown();
    }
    bool StartCompanion() { return companion_.Start(L"fake_companion.exe", {PathOf(L"companion.log")}); }
    // What the companion logged once everything posted to it so far has arrived.
    Lines CompanionLog()
    {
        std::wstring log = PathOf(L"companion.log");
        auto markers = [&] {
            Lines lines = LogLines(log);
            return std::count(lines.begin(), lines.end(), "marker");
        };
        auto before = markers();
        PostMessageW(FindWindowW(L"DRAVLON", nullptr), WM_APP, 0, 0);
        PumpUntil([&] { return markers() > before; }, 5000);
        return LogLines(log);
    }
    void Clip(Lines lines) { g_clip.lines = std::move(lines); }

    Peer companion_;
};

TEST_F(CompanionTest, SelectedUrlGoesToTheClipboardAndTheCompanionIsTold)
{
    Show({"0A\\", "1Ti,tle,xyz"});
    ASSERT_TRUE(StartCompanion());
    Clip({"0kept\\"});
    Select({L"A", L"Ti"});
    SendMessageW(g_ui.main, WM_SENDURL, 7, 9);   // whatever the companion passes
    EXPECT_EQ(CompanionLog(), (Lines{"ready 0 0 tle,xyz", "marker"}));
    EXPECT_EQ(ClipboardText(), L"tle,xyz");
    EXPECT_TRUE(g_clip.lines.empty());
}

TEST_F(CompanionTest, FolderSelectedHandsNothingOverButEmptiesTheClipList)
{
    Show({"0A\\", "1u,http://u"});
    ASSERT_TRUE(StartCompanion());
    SetClipboardText(L"before");
    Clip({"0kept\\"});
    Select({L"A"});
    SendMessageW(g_ui.main, WM_SENDURL, 0, 0);
    EXPECT_EQ(CompanionLog(), (Lines{"marker"}));
    EXPECT_EQ(ClipboardText(), L"before");
    EXPECT_TRUE(g_clip.lines.empty());
}

// Without a companion the request waits on a timer: the queue empties between tries (a
// request re-posted at once would always be waiting in it). When the companion appears,
// exactly one hand-off follows, of the entry selected then.
TEST_F(CompanionTest, RequestWaitsForTheCompanionThenHandsOverOnce)
{
    Show({"0A\\", "1first,http://first", "1second,http://second"});
    Clip({"0kept\\"});
    Select({L"A", L"first"});
    PostMessageW(g_ui.main, WM_SENDURL, 0, 0);
    PumpFor(400);
    MSG waiting;
    EXPECT_FALSE(PeekMessageW(&waiting, g_ui.main, WM_SENDURL, WM_SENDURL, PM_NOREMOVE));
    EXPECT_EQ(g_clip.lines, (Lines{"0kept\\"}));

    Select({L"A", L"second"});
    ASSERT_TRUE(StartCompanion());
    std::wstring log = PathOf(L"companion.log");
    EXPECT_TRUE(PumpUntil([&] { return !LogLines(log).empty(); }, 3000));
    PumpFor(400);   // several retry periods: no second hand-off
    EXPECT_EQ(CompanionLog(), (Lines{"ready 0 0 http://second", "marker"}));
    EXPECT_TRUE(g_clip.lines.empty());
}

}  // namespace
