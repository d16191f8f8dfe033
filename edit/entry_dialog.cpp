// The entry dialogs. A refused entry keeps the dialog open with its contents and the field
// to correct focused.
#include "edit/entry_dialog.h"

#include "core/entry_rules.h"
#include "edit/entry_commands.h"
#include "platform/dialog_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"

static void Refuse(HWND dlg, int field, const wchar_t* text)
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
    Refuse(dlg, id, L"リストに保存できない文字が含まれています。\nシフトJIS (コードページ 932) で表せる文字で入力してください。");
    return false;
}

static void ReportProblem(HWND dlg, EntryProblem problem)
{
    switch (problem) {
    case EntryProblem::None: return;
    case EntryProblem::EmptyTitle: Refuse(dlg, IDC_ENTRY_TITLE, L"ﾀｲﾄﾙを入力してください"); return;
    case EntryProblem::EmptyUrl: Refuse(dlg, IDC_ENTRY_URL, L"URLを入力してください"); return;
    case EntryProblem::TitleHasBackslash:
        Refuse(dlg, IDC_ENTRY_TITLE, L"ﾀｲﾄﾙに \\ (円記号) は使えません。");
        return;
    case EntryProblem::TitleHasComma:
        Refuse(dlg, IDC_ENTRY_TITLE, L"URLのﾀｲﾄﾙに , (カンマ) は使えません。");
        return;
    case EntryProblem::TitleTooLong:
        Refuse(dlg, IDC_ENTRY_TITLE, L"ﾀｲﾄﾙが長すぎます。254バイト (全角127文字) 以内で入力してください。");
        return;
    case EntryProblem::UrlTooLong:
        Refuse(dlg, IDC_ENTRY_URL, L"URLが長すぎます。\"http://\" を含めて255バイト以内で入力してください。");
        return;
    case EntryProblem::TitleHasLineBreak: Refuse(dlg, IDC_ENTRY_TITLE, L"ﾀｲﾄﾙに改行は使えません。"); return;
    case EntryProblem::UrlHasLineBreak: Refuse(dlg, IDC_ENTRY_URL, L"URLに改行は使えません。"); return;
    case EntryProblem::UrlEndsInBackslash: Refuse(dlg, IDC_ENTRY_URL, UnstorableUrlText(0).c_str()); return;
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
