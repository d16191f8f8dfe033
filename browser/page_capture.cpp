// Page capture: the URL from the browser's window information, the title from its window
// caption (or from the window information when no browser window is found). The default
// browser answers no requests: its URL is the one the user copied, its title the caption of
// the browser window last active.
#include "browser/page_capture.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "browser/browser_open.h"
#include "core/browser_table.h"
#include "core/entry_line.h"
#include "core/entry_rules.h"
#include "core/lines.h"
#include "core/page_text.h"
#include "edit/entry_commands.h"
#include "edit/unique_title.h"
#include "platform/dde_client.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

static constexpr DWORD kWindowInfoTimeoutMs = 10000;
// The reply area holds 512 bytes with its terminator.
static constexpr size_t kWindowInfoBytes = 511;
// Captions longer than this are not read further: no browser's mark lies so far in.
static constexpr int kMaxCaptionChars = 1024;

static std::wstring CaptionOf(HWND window)
{
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    if (length > kMaxCaptionChars) length = kMaxCaptionChars;
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, text.data(), length + 1);
    return std::wstring(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

namespace {
struct WindowSearch {
    std::wstring mark;
    HWND found = nullptr;
};
}  // namespace

static BOOL CALLBACK TestBrowserWindow(HWND window, LPARAM lp)
{
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    if (!GetWindow(window, GW_CHILD) || !IsWindowVisible(window)) return TRUE;
    if (CaptionOf(window).find(search->mark) == std::wstring::npos) return TRUE;
    search->found = window;
    return FALSE;
}

// The first visible top-level window, in Z order, that has a child window and whose caption
// holds `mark` (CP932); null when there is none.
static HWND FindBrowserWindow(std::string_view mark)
{
    WindowSearch search{Widen(mark)};
    EnumWindows(TestBrowserWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Today's browsers, known by their top-level window's class and their program together: other
// programs use the same window classes.
static const wchar_t* const kBrowserClasses[] = {L"Chrome_WidgetWin_1", L"MozillaWindowClass"};
static const wchar_t* const kBrowserPrograms[] = {L"chrome.exe", L"msedge.exe", L"firefox.exe"};
// The longest window class and program path read.
static constexpr int kClassChars = 64;
static constexpr DWORD kProgramPathChars = 1024;
// The clipboard text looked at; an address is far shorter.
static constexpr size_t kClipboardChars = 65536;

template <size_t N>
static bool IsOneOf(std::wstring_view name, const wchar_t* const (&names)[N])
{
    return std::any_of(std::begin(names), std::end(names), [&](const wchar_t* known) {
        return CompareStringOrdinal(name.data(), static_cast<int>(name.size()), known, -1, TRUE) == CSTR_EQUAL;
    });
}

// The file name of the program that owns `window`, or empty.
static std::wstring ProgramOf(HWND window)
{
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return {};
    std::vector<wchar_t> path(kProgramPathChars, L'\0');
    DWORD size = kProgramPathChars;
    BOOL read = QueryFullProcessImageNameW(process, 0, path.data(), &size);
    CloseHandle(process);
    if (!read) return {};
    std::wstring_view full(path.data(), size);
    return std::wstring(full.substr(full.find_last_of(L"\\/") + 1));
}

static BOOL CALLBACK TestKnownBrowserWindow(HWND window, LPARAM lp)
{
    wchar_t name[kClassChars] = {};
    if (!IsWindowVisible(window) || !GetClassNameW(window, name, kClassChars)) return TRUE;
    if (!IsOneOf(name, kBrowserClasses) || CaptionOf(window).empty() || !IsOneOf(ProgramOf(window), kBrowserPrograms))
        return TRUE;
    *reinterpret_cast<HWND*>(lp) = window;
    return FALSE;
}

// The known browser's window highest in Z order, the one last active; null when there is none.
static HWND FindKnownBrowserWindow()
{
    HWND found = nullptr;
    EnumWindows(TestKnownBrowserWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

static std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            const wchar_t* end = chars + std::min(GlobalSize(data) / sizeof(wchar_t), kClipboardChars);
            text.assign(chars, std::find(chars, end, L'\0'));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The page whose address the user copied; 0, with the user told why, when the clipboard holds
// no URL. Title characters without a CP932 form become '?', URL characters UTF-8 %XX.
static int CaptureCopiedPage(HWND hwnd, PageEntry* page)
{
    std::wstring text = ClipboardText();
    std::wstring_view url = OneUrlOfText(text);
    std::string urlBytes, title;
    if (url.empty()) {
        ShowMessage(hwnd, LoadText(IDS_CLIPBOARD_HAS_NO_URL), MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    urlBytes = UrlBytesOfText(url);
    HWND window = FindKnownBrowserWindow();
    (void)NarrowReplacing(TitleOfBrowserCaption(window ? CaptionOf(window) : std::wstring()), &title);
    *page = MakePageEntry(kDefaultBrowserKind, title, urlBytes);
    return 1;
}

// 1 with the reply's text in `reply`, or 0 when no reply came.
static int RequestWindowInfo(const char* service, std::string* reply)
{
    DdeOutcome outcome =
        RequestDdeText(service, "WWW_GetWindowInfo", "0xFFFFFFFF", kWindowInfoTimeoutMs, kWindowInfoBytes, reply);
    if (outcome == DdeOutcome::NoInstance)
        ShowMessage(nullptr, LoadText(IDS_DDE_START_FAILED), MB_OK | MB_ICONWARNING,
                    LoadText(IDS_BROWSER_INFO_CAPTION).c_str());
    return outcome == DdeOutcome::Replied;
}

// 0, with nothing changed, when the browser gave no window information.
static int CapturePage(DWORD kind, PageEntry* page)
{
    const BrowserRow* row = BrowserRowOf(kind);
    std::string reply;
    if (!row || !RequestWindowInfo(row->service, &reply)) return 0;
    WindowInfo info = ParseWindowInfo(reply);
    std::string caption = info.title;
    // A caption with characters the list cannot hold leaves the reply's title in place.
    if (HWND window = FindBrowserWindow(row->titleMark)) (void)Narrow(CaptionOf(window), &caption);
    *page = MakePageEntry(kind, caption, info.url);
    return 1;
}

void OnGetFromBrowser(HWND hwnd)
{
    HTREEITEM folder;
    long line;
    if (!SelectedFolder(&folder, &line)) return;
    if (!CheckRoomForLines(hwnd, 1)) return;
    TitlePath path = TitlePathOfItem(folder);
    PageEntry page;
    if (g_set.selectWeb == kDefaultBrowserKind) {
        if (!CaptureCopiedPage(hwnd, &page)) return;
    } else if (!ActivateBrowser(g_set.selectWeb) || !CapturePage(g_set.selectWeb, &page)) {
        return;
    }
    folder = FindEntryAgain(path, kFolderItemData, &line);   // the DDE waits ran message loops
    if (!folder) return;
    if (!MakeUrlStorable(page.url, Cp932ToUtf8)) {
        ShowMessage(hwnd, UnstorableUrlText(1), MB_OK | MB_ICONWARNING);
        return;
    }
    if (page.url.size() > kFieldBytes) {
        ShowMessage(hwnd, LoadText(IDS_BROWSER_URL_TOO_LONG), MB_OK | MB_ICONWARNING);
        return;
    }
    if (!CheckRoomForLines(hwnd, 1)) return;
    if (!MakeUniqueTitle(folder, page.title)) return ReportTitleWithoutRoom(hwnd);
    AddLineUnderFolder(folder, line, kUrlItemData, page.title, page.url);
}
