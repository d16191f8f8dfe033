// The entry dialogs. A refused entry keeps the dialog open with its contents and the field
// to correct focused.
#include "edit/entry_dialog.h"

#include "core/entry_rules.h"
#include "edit/entry_commands.h"
#include "platform/dialog_text.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"

static void Refuse(HWND dlg, int field, const std::wstring& text)
{
    ShowMessage(dlg, text, MB_OK);
    HWND edit = GetDlgItem(dlg, field);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

// The field's text in CP932, `filled` when it is still the text the field was filled with;
// false (and the user told) when it has characters the list file cannot hold.
static bool ReadField(HWND dlg, int id, const std::string& filled, std::string* out)
{
    if (NarrowField(DialogItemText(dlg, id), filled, out)) return true;
    Refuse(dlg, id, LoadText(IDS_FIELD_NOT_CP932));
    return false;
}

static void ReportProblem(HWND dlg, EntryProblem problem)
{
    switch (problem) {
    case EntryProblem::None: return;
    case EntryProblem::EmptyTitle: Refuse(dlg, IDC_ENTRY_TITLE, LoadText(IDS_TITLE_EMPTY)); return;
    case EntryProblem::EmptyUrl: Refuse(dlg, IDC_ENTRY_URL, LoadText(IDS_URL_EMPTY)); return;
    case EntryProblem::TitleHasBackslash:
        Refuse(dlg, IDC_ENTRY_TITLE, LoadText(IDS_TITLE_HAS_YEN));
        return;
    case EntryProblem::TitleHasComma:
        Refuse(dlg, IDC_ENTRY_TITLE, LoadText(IDS_URL_TITLE_HAS_COMMA));
        return;
    case EntryProblem::TitleTooLong:
        Refuse(dlg, IDC_ENTRY_TITLE, LoadText(IDS_TITLE_TOO_LONG));
        return;
    case EntryProblem::UrlTooLong:
        Refuse(dlg, IDC_ENTRY_URL, LoadText(IDS_URL_TOO_LONG));
        return;
    case EntryProblem::TitleHasLineBreak: Refuse(dlg, IDC_ENTRY_TITLE, LoadText(IDS_TITLE_HAS_LINE_BREAK)); return;
    case EntryProblem::UrlHasLineBreak: Refuse(dlg, IDC_ENTRY_URL, LoadText(IDS_URL_HAS_LINE_BREAK)); return;
    case EntryProblem::UrlEndsInBackslash: Refuse(dlg, IDC_ENTRY_URL, UnstorableUrlText(0)); return;
    }
}

static bool IsUrlDialog(HWND dlg) { return IsWindowEnabled(GetDlgItem(dlg, IDC_ENTRY_URL)) != FALSE; }

// Reads and checks the fields into `form`; false when the dialog must stay open.
static bool AcceptForm(HWND dlg, EntryForm& form)
{
    std::string title, url;
    if (!ReadField(dlg, IDC_ENTRY_TITLE, form.title, &title)) return false;
    if (IsUrlDialog(dlg) && !ReadField(dlg, IDC_ENTRY_URL, form.url, &url)) return false;
    EntryProblem problem = IsUrlDialog(dlg)
                               ? CompleteUrlEntry(title, url, form.originalTitle, form.originalUrl, Cp932ToUtf8)
                               : CheckFolderTitle(title, form.originalTitle);
    if (problem != EntryProblem::None) {
        ReportProblem(dlg, problem);
        return false;
    }
    form.title = std::move(title);
    if (IsUrlDialog(dlg)) form.url = std::move(url);
    return true;
}

INT_PTR CALLBACK EntryDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* form = reinterpret_cast<EntryForm*>(GetWindowLongPtrW(dlg, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        form = reinterpret_cast<EntryForm*>(lp);
        SetDlgItemTextW(dlg, IDC_ENTRY_TITLE, Widen(form->title).c_str());
        SetDlgItemTextW(dlg, IDC_ENTRY_URL, Widen(form->url).c_str());
        return TRUE;
    }
    if (msg != WM_COMMAND) return FALSE;
    switch (LOWORD(wp)) {
    case IDCANCEL: EndDialog(dlg, 0); return TRUE;
    case IDOK:
        if (AcceptForm(dlg, *form)) EndDialog(dlg, 1);
        return TRUE;
    }
    return FALSE;
}

static bool RunEntryDialog(HWND owner, const wchar_t* name, EntryForm& form)
{
    return DialogBoxParamW(g_ui.inst, name, owner, EntryDialogProc, reinterpret_cast<LPARAM>(&form)) == 1;
}

bool AskFolderTitle(HWND owner, EntryForm& form) { return RunEntryDialog(owner, L"INPUT_DIR", form); }
bool AskUrlEntry(HWND owner, EntryForm& form) { return RunEntryDialog(owner, L"INPUT_URL", form); }
