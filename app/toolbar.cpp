// Toolbar: nine buttons from bitmap 113; clicks are posted on to the main window, so they
// run after the toolbar has finished with the click.
#include "app/toolbar.h"

#include <commctrl.h>

#include <string>

#include "core/browser_table.h"
#include "platform/load_text.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"

struct ToolTip {
    int command;
    UINT text;
};

static const ToolTip kToolTips[] = {
    {IDM_EXIT, IDS_TIP_EXIT},
    {IDM_BROWSER_IE, IDS_TIP_BROWSER_IE},
    {IDM_BROWSER_NETSCAPE, IDS_TIP_BROWSER_NETSCAPE},
    {IDM_BROWSER_OPERA, IDS_TIP_BROWSER_OPERA},
    {IDM_CONFIG, IDS_TIP_CONFIG},
    {IDM_FIND, IDS_TIP_FIND},
    {IDM_FINDNEXT, IDS_TIP_FINDNEXT},
};

// Tool-tip text for the wide notification, kept for the life of the process.
static const wchar_t* ToolTipText(UINT_PTR command)
{
    static std::wstring texts[std::size(kToolTips)];
    for (size_t i = 0; i < std::size(kToolTips); ++i) {
        if (static_cast<UINT_PTR>(kToolTips[i].command) != command) continue;
        if (texts[i].empty()) texts[i] = LoadText(kToolTips[i].text);
        return texts[i].c_str();
    }
    return nullptr;
}

static TBBUTTON Button(int image, int command, BYTE style)
{
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    return button;
}

void CreateMainToolbar()
{
    g_ui.toolbarHost = CreateDialogParamW(g_ui.inst, L"TOOLBAR_BASE1", g_ui.main, ToolbarHostProc, 0);
    if (!g_ui.toolbarHost) return;
    TBBUTTON buttons[] = {
        Button(0, IDM_EXIT, TBSTYLE_BUTTON),
        Button(1, IDM_CONFIG, TBSTYLE_BUTTON),
        Button(0, 0, TBSTYLE_SEP),
        Button(2, IDM_FIND, TBSTYLE_BUTTON),
        Button(3, IDM_FINDNEXT, TBSTYLE_BUTTON),
        Button(0, 0, TBSTYLE_SEP),
        Button(4, IDM_BROWSER_IE, TBSTYLE_CHECKGROUP),
        Button(5, IDM_BROWSER_NETSCAPE, TBSTYLE_CHECKGROUP),
        Button(6, IDM_BROWSER_OPERA, TBSTYLE_CHECKGROUP),
    };
    g_ui.toolbar = CreateToolbarEx(g_ui.toolbarHost, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS, IDC_TOOLBAR,
                                   9, g_ui.inst, IDB_TOOLBAR, buttons, static_cast<int>(std::size(buttons)), 0, 0, 16,
                                   16, sizeof(TBBUTTON));
    if (!g_ui.toolbar) return;
    HWND tips = reinterpret_cast<HWND>(SendMessageW(g_ui.toolbar, TB_GETTOOLTIPS, 0, 0));
    if (tips) SetWindowLongW(tips, GWL_STYLE, GetWindowLongW(tips, GWL_STYLE) | TTS_ALWAYSTIP);
}

void PressBrowserButton(DWORD browserKind)
{
    if (browserKind == kDefaultBrowserKind) {   // a check group keeps one pressed: each is released
        for (int command : {IDM_BROWSER_IE, IDM_BROWSER_NETSCAPE, IDM_BROWSER_OPERA})
            SendMessageW(g_ui.toolbar, TB_CHECKBUTTON, command, FALSE);
    }
    if (browserKind < 1 || browserKind > 3) return;
    SendMessageW(g_ui.toolbar, TB_CHECKBUTTON, IDM_BROWSER_IE + browserKind - 1, TRUE);
}

// Tool-tip text for the narrow notification, kept for the life of the process.
static const char* NarrowToolTipText(UINT_PTR command)
{
    static std::string texts[std::size(kToolTips)];
    for (size_t i = 0; i < std::size(kToolTips); ++i) {
        if (static_cast<UINT_PTR>(kToolTips[i].command) != command) continue;
        if (texts[i].empty()) Narrow(ToolTipText(command), &texts[i]);
        return texts[i].c_str();
    }
    return nullptr;
}

static void OnToolTipText(NMHDR* header)
{
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        if (const wchar_t* text = ToolTipText(header->idFrom)) info->lpszText = const_cast<wchar_t*>(text);
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        if (const char* text = NarrowToolTipText(header->idFrom)) info->lpszText = const_cast<char*>(text);
    }
}

INT_PTR CALLBACK ToolbarHostProc(HWND, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SIZE:
        if (g_ui.toolbar) SendMessageW(g_ui.toolbar, TB_AUTOSIZE, 0, 0);
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->code == TTN_GETDISPINFOW || header->code == TTN_GETDISPINFOA) OnToolTipText(header);
        break;
    }
    case WM_COMMAND:
        PostMessageW(g_ui.main, WM_COMMAND, wp, lp);
        break;
    }
    return 0;
}

void SelectBrowser(DWORD kind)
{
    if (!IsBrowserKind(kind)) return;
    if (BrowserRowOf(g_set.selectWeb)) g_set.buttonWeb = g_set.selectWeb;
    g_set.selectWeb = kind;
    PressBrowserButton(kind);
}

LRESULT OnSelectBrowserMessage(WPARAM wp)
{
    if (wp <= kDefaultBrowserKind) SelectBrowser(static_cast<DWORD>(wp));   // SelectBrowser refuses 0
    return 0;
}
