// Opening a URL entry in the chosen browser. A URL that a request or command line could only
// carry cut short, or that the browser would read as a switch, is refused with a message instead.
#include "browser/browser_open.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "core/browser_table.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "core/url_text.h"
#include "platform/dde_client.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/shell_open.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

// How long a browser may take to answer one request.
static constexpr DWORD kRequestTimeoutMs = 4000;
// The longest reply kept; nobody reads it, only that it came counts.
static constexpr size_t kReplyBytes = 511;
// The longest executable path read from App Paths, in CP932 bytes with its terminator.
static constexpr size_t kAppPathCapacity = 511;
// CreateProcessW takes at most this many characters, terminator included.
static constexpr size_t kMaxCommandLine = 32767;

// 1 when the browser replied (only that counts, not what), else 0.
static int RequestFromBrowser(const BrowserRow& row, const char* topic, const std::string& item)
{
    return RequestDdeText(row.service, topic, item, kRequestTimeoutMs, kReplyBytes, nullptr) == DdeOutcome::Replied;
}

int ActivateBrowser(DWORD kind)
{
    const BrowserRow* row = BrowserRowOf(kind);
    return row && RequestFromBrowser(*row, "WWW_Activate", "-1");
}

static void ReportUrlTooLong(HWND hwnd)
{
    ShowMessage(hwnd, LoadText(IDS_URL_TOO_LONG_FOR_BROWSER), MB_OK | MB_ICONWARNING);
}

static void ReportSwitchLike(HWND hwnd)
{
    ShowMessage(hwnd, LoadText(IDS_URL_LIKE_SWITCH), MB_OK | MB_ICONWARNING);
}

static void ReportCannotStart(HWND hwnd)
{
    ShowMessage(hwnd, LoadText(IDS_BROWSER_NOT_STARTED), MB_OK, LoadText(IDS_BROWSER_START_ERROR).c_str());
}

static void OpenUrlInBrowser(HWND hwnd, const BrowserRow& row, const std::string& url)
{
    std::string item;
    if (!FormatOpenUrlItem(url, &item)) return ReportUrlTooLong(hwnd);
    (void)RequestFromBrowser(row, "WWW_OpenURL", item);
}

// Where App Paths entries are looked for, in the order the shell reads them: installed for this
// user only, then for the machine by a 64-bit installer, then by a 32-bit one (whose entries
// a 64-bit program sees only through the 32-bit view).
struct AppPathsPlace {
    HKEY root;
    REGSAM view;
};
static const AppPathsPlace kAppPathsPlaces[] = {
    {HKEY_CURRENT_USER, 0}, {HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY}, {HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY}};

// The executable named by the first of the browser's App Paths entries that names one, or
// empty. Installers store it with or without quotes, and some with environment variables.
static std::wstring BrowserExecutable(const BrowserRow& row)
{
    std::wstring path;
    for (const AppPathsPlace& place : kAppPathsPlaces) {
        (void)RegReadWideString(place.root, row.appPathsKey, nullptr, path, kAppPathCapacity, place.view);
        if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
        if (!path.empty()) break;
    }
    if (path.find(L'%') == std::wstring::npos) return path;
    DWORD size = ExpandEnvironmentStringsW(path.c_str(), nullptr, 0);
    std::vector<wchar_t> expanded(size + 1, L'\0');
    if (!size || !ExpandEnvironmentStringsW(path.c_str(), expanded.data(), size)) return path;
    return expanded.data();
}

static bool StartProgram(std::wstring commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

// The executable and the URL, each quoted: the URL is exactly one argument, blanks and all.
static void StartBrowser(HWND hwnd, const std::wstring& exe, const std::string& url)
{
    if (exe.empty()) return ReportCannotStart(hwnd);
    std::wstring commandLine = L"\"" + exe + L"\" " + Widen(QuoteUrlArgument(url));
    if (commandLine.size() >= kMaxCommandLine) return ReportUrlTooLong(hwnd);
    if (!StartProgram(std::move(commandLine))) ReportCannotStart(hwnd);
}

// The program that opens http addresses (verb "open") as `flags` look it up, or empty.
static std::wstring HttpExecutable(ASSOCF flags)
{
    DWORD size = 0;
    if (AssocQueryStringW(flags, ASSOCSTR_EXECUTABLE, L"http", L"open", nullptr, &size) != S_FALSE || !size) return {};
    std::vector<wchar_t> path(size + 1, L'\0');
    if (FAILED(AssocQueryStringW(flags, ASSOCSTR_EXECUTABLE, L"http", L"open", path.data(), &size))) return {};
    return path.data();
}

// The user's default browser where the system keeps a choice per user (ASSOCF_IS_PROTOCOL), else
// the command registered for http (older systems and Wine know only that).
static std::wstring DefaultBrowserExecutable()
{
    std::wstring exe = HttpExecutable(ASSOCF_IS_PROTOCOL);
    return exe.empty() ? HttpExecutable(ASSOCF_NONE) : exe;
}

static void OpenInDefaultBrowser(HWND hwnd, const std::string& url)
{
    switch (RouteForDefaultBrowser(url)) {
    case DefaultBrowserRoute::Shell:
        if (!OpenWithShell(hwnd, Widen(url))) ReportCannotStart(hwnd);
        return;
    case DefaultBrowserRoute::Argument:
        return StartBrowser(hwnd, DefaultBrowserExecutable(), url);
    case DefaultBrowserRoute::Refused:
        (void)ShowMessage(hwnd, LoadText(IDS_URL_NOT_FOR_DEFAULT_BROWSER), MB_OK | MB_ICONWARNING);
        return;
    }
}

// The item the open command acts on; the caret moves there even when nothing opens.
static HTREEITEM MoveToOpenTarget(OpenStep step)
{
    HTREEITEM selected = SelectedItem();
    if (!selected) return nullptr;
    HTREEITEM target = selected;
    if (step == OpenStep::Previous) target = NextItem(selected, TVGN_PREVIOUSVISIBLE);
    if (step == OpenStep::Next) target = NextItem(selected, TVGN_NEXTVISIBLE);
    if (!target) target = selected;
    SelectItem(target);
    return target;
}

void OnOpen(HWND hwnd, OpenStep step)
{
    HTREEITEM target = MoveToOpenTarget(step);
    if (!target || ItemData(g_ui.tree, target) != kUrlItemData) return;
    long line = FindLineOfItem(target);
    if (line < 0) return;
    std::string url(LineUrl(g_bookmarks.lines[static_cast<size_t>(line)]));
    const BrowserRow* row = BrowserRowOf(g_set.selectWeb);
    if (url.empty() || (!row && g_set.selectWeb != kDefaultBrowserKind)) return;
    if (row && row->wantsFileUrls) url = MakeFileUrl(url);
    // Handed over, it would be a switch of the browser's (a bookmark made from a shortcut may
    // hold one); refused before anything is sent or started.
    if (StartsLikeSwitch(url)) return ReportSwitchLike(hwnd);
    if (!row) OpenInDefaultBrowser(hwnd, url);
    else if (ActivateBrowser(g_set.selectWeb)) OpenUrlInBrowser(hwnd, *row, url);
    else StartBrowser(hwnd, BrowserExecutable(*row), url);
}
