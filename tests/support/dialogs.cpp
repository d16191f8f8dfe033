// The dialog driver: a thread timer that looks for this thread's dialog windows.
#include "tests/support/dialogs.h"

#include <algorithm>
#include <deque>

#include "res/resource.h"
#include "tree/state.h"

static std::deque<DialogStep> s_steps;
static UINT_PTR s_timer = 0;

static std::wstring WindowText(HWND hwnd)
{
    wchar_t text[2048] = {};
    GetWindowTextW(hwnd, text, 2048);
    return text;
}

static std::wstring ListBoxItem(HWND box, LRESULT index)
{
    std::wstring text(static_cast<size_t>(std::max<LRESULT>(SendMessageW(box, LB_GETTEXTLEN, index, 0), 0)), L'\0');
    SendMessageW(box, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

void AnswerDialog(HWND dlg, bool post)
{
    SeenDialog seen;
    seen.caption = WindowText(dlg);
    EnumChildWindows(dlg, [](HWND control, LPARAM to) -> BOOL {
        auto* seen = reinterpret_cast<SeenDialog*>(to);
        LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
        seen->texts[GetDlgCtrlID(control)] = WindowText(control);
        if ((SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX))
            seen->checks[GetDlgCtrlID(control)] = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        wchar_t kind[16] = {};
        GetClassNameW(control, kind, 16);
        for (LRESULT i = 0; lstrcmpiW(kind, L"ListBox") == 0 && i < SendMessageW(control, LB_GETCOUNT, 0, 0); ++i)
            seen->items[GetDlgCtrlID(control)].push_back(ListBoxItem(control, i));
        return TRUE;
    }, reinterpret_cast<LPARAM>(&seen));
    seen.title = seen.texts[IDC_ENTRY_TITLE];
    g_seenDialogs.push_back(seen);
    DialogStep step = s_steps.empty() ? Cancel() : s_steps.front();
    if (s_steps.empty()) ++g_unplannedDialogs; else s_steps.pop_front();
    if (step.title) SetDlgItemTextW(dlg, IDC_ENTRY_TITLE, step.title->c_str());
    if (step.url) SetDlgItemTextW(dlg, IDC_ENTRY_URL, step.url->c_str());
    for (const auto& [id, text] : step.texts) SetDlgItemTextW(dlg, id, text.c_str());
    for (const auto& [id, checked] : step.checks) CheckDlgButton(dlg, id, checked ? BST_CHECKED : BST_UNCHECKED);
    for (const auto& [id, index] : step.picks) SendDlgItemMessageW(dlg, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (post) PostMessageW(dlg, WM_COMMAND, static_cast<WPARAM>(step.button), 0);
    else SendMessageW(dlg, WM_COMMAND, static_cast<WPARAM>(step.button), 0);
}

// Answers this thread's dialog that takes input (the innermost of nested ones).
static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    for (HWND dlg = nullptr; (dlg = FindWindowExW(nullptr, dlg, L"#32770", nullptr));)
        if (GetWindowThreadProcessId(dlg, nullptr) == GetCurrentThreadId() && IsWindowVisible(dlg) && IsWindowEnabled(dlg))
            return AnswerDialog(dlg, false);
}

void ScriptDialogs(std::vector<DialogStep> steps)
{
    s_steps.assign(steps.begin(), steps.end());
    g_seenDialogs.clear();
    g_unplannedDialogs = 0;
    if (!s_timer) s_timer = SetTimer(nullptr, 0, 10, OnTick);
}

void StopDialogScript()
{
    if (s_timer) KillTimer(nullptr, s_timer);
    s_timer = 0;
    s_steps.clear();
}

void RunCommand(WORD command)
{
    if (!s_timer) ScriptDialogs({});
    SendMessageW(g_ui.main, WM_COMMAND, command, 0);
    StopDialogScript();
}
