// Find over the bookmark list. Case folding (ChkFindStr 1) lowers the single-byte letters A-Z
// of the text and of each line; the bytes of double-byte characters stay as they are.
#include "edit/find.h"

#include "core/cp932.h"
#include "core/line_search.h"
#include "core/lines.h"
#include "platform/dialog_text.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_locate.h"

FindState g_find;

static bool FoldsCase() { return g_set.chkFindStr == 1; }

// Reads the dialog into `text` and the setting; false, with the user told, when the text
// cannot be searched for.
static bool AcceptFind(HWND dlg, std::string* text)
{
    if (!Narrow(DialogItemText(dlg, IDC_FIND_TEXT), text)) {
        ShowMessage(dlg, LoadText(IDS_FIND_TEXT_NOT_CP932), MB_OK);
        SetFocus(GetDlgItem(dlg, IDC_FIND_TEXT));
        return false;
    }
    g_set.chkFindStr = IsDlgButtonChecked(dlg, IDC_FIND_IGNORECASE) == BST_CHECKED ? 1 : 0;
    WriteSettingNumber(SettingName::kChkFindStr, g_set.chkFindStr);
    return true;
}

INT_PTR CALLBACK FindDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        CheckDlgButton(dlg, IDC_FIND_IGNORECASE, g_set.chkFindStr != 0 ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    }
    if (msg != WM_COMMAND) return FALSE;
    switch (LOWORD(wp)) {
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
    case IDOK: {
        std::string text;
        if (!AcceptFind(dlg, &text)) return TRUE;
        *reinterpret_cast<std::string*>(GetWindowLongPtrW(dlg, DWLP_USER)) = std::move(text);
        EndDialog(dlg, 1);
        return TRUE;
    }
    }
    return FALSE;
}

// Selects the first line at or after the start that holds the text, or says that the end
// was reached (the start then stays, so every further find next says so again).
static void SearchList(HWND hwnd)
{
    size_t from = static_cast<size_t>(g_find.start < 0 ? 0 : g_find.start);
    long hit = FindLineContaining(g_bookmarks, from, g_find.text, FoldsCase());
    if (hit < 0) {
        ShowMessage(hwnd, LoadText(IDS_FIND_REACHED_END), MB_OK);
        return;
    }
    (void)SelectItemOfLine(hit);
    g_find.start = hit + 1;
}

void OnFind(HWND hwnd)
{
    g_find.start = 0;
    std::string text;
    if (DialogBoxParamW(g_ui.inst, L"FINDSTR", hwnd, FindDialogProc, reinterpret_cast<LPARAM>(&text)) != 1) return;
    g_find.text = FoldsCase() ? LowerAscii(text) : std::move(text);
    SearchList(hwnd);
}

void OnFindNext(HWND hwnd)
{
    SearchList(hwnd);
}
