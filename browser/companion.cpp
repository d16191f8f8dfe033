// The companion hand-off. A waiting request is paced by a timer rather than re-posted, so
// that the window goes on handling its other messages and stays idle in between.
#include "browser/companion.h"

#include <commctrl.h>

#include <string>

#include "core/entry_line.h"
#include "core/lines.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

static constexpr UINT kRetryMs = 150;

// Copies `url` to the system clipboard as text through the hidden edit control.
static void CopyToClipboard(HWND hwnd, const std::string& url)
{
    HWND carrier = GetDlgItem(hwnd, IDC_CLIPEDIT);
    SetWindowTextW(carrier, Widen(url).c_str());
    SendMessageW(carrier, EM_SETSEL, 0, -1);
    SendMessageW(carrier, WM_COPY, 0, 0);
}

void OnSendUrl(HWND hwnd)
{
    HWND companion = FindWindowW(L"DRAVLON", nullptr);
    if (!companion) {
        SetTimer(hwnd, IDT_SENDURL, kRetryMs, nullptr);
        return;
    }
    KillTimer(hwnd, IDT_SENDURL);
    ResetLines(g_clip);
    std::string url = SelectedUrl();
    if (url.empty()) return;
    CopyToClipboard(hwnd, url);
    PostMessageW(companion, WM_URLREADY, 0, 0);
}
