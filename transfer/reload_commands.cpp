// Reload and restore: load, rebuild the tree and select its first item. The list file stays
// where it is; a restored list reaches it at the next save.
#include "transfer/reload_commands.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "core/day_copies.h"
#include "core/lines.h"
#include "core/list_bytes.h"
#include "core/undo_history.h"
#include "list/day_copies.h"
#include "list/list_file.h"
#include "list/list_messages.h"
#include "platform/file.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/wait_cursor.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

// Loads `path` in place of the list and shows it; any outcome but Loaded puts the list as it
// was back, tree included.
static ListLoad ReplaceListWith(HWND hwnd, const std::wstring& path)
{
    WaitCursor wait(hwnd);
    std::vector<std::string> kept = std::move(g_bookmarks.lines);
    ListLoad outcome = LoadListFile(path);
    if (outcome != ListLoad::Loaded) {
        g_bookmarks.lines = std::move(kept);
        return outcome;
    }
    ClearHistory(g_history);
    (void)RebuildTree(0);
    SelectItem(NextItem(nullptr, TVGN_ROOT));
    return outcome;
}

void OnReload(HWND hwnd)
{
    const std::wstring& path = g_paths.listFile;
    ListLoad outcome = ReplaceListWith(hwnd, path);
    if (outcome == ListLoad::Missing)
        ShowMessage(hwnd, FormatText(IDS_LIST_MISSING, {path}), MB_OK | MB_ICONWARNING);
    else
        ReportListLoad(hwnd, outcome, path);
}

// Restores the list from `backup`, telling what kept the list as it was.
static void RestoreFrom(HWND hwnd, const std::wstring& backup)
{
    switch (ReplaceListWith(hwnd, backup)) {
    case ListLoad::Loaded:
        return;
    case ListLoad::Missing:
        ShowMessage(hwnd, LoadText(IDS_RESTORE_NO_BACKUP), MB_OK);
        return;
    case ListLoad::Unreadable:
    case ListLoad::TooManyLines:
        ShowMessage(hwnd, FormatText(IDS_RESTORE_UNREADABLE, {backup}), MB_OK | MB_ICONWARNING);
        return;
    }
}

void OnRestore(HWND hwnd)
{
    if (ShowMessage(hwnd, LoadText(IDS_RESTORE_CONFIRM), MB_YESNO) != IDYES) return;
    RestoreFrom(hwnd, BackupPathIn(g_paths.programDir));
}

// The copy's line in the dialog: its date (and time), and its entries ("?" when unreadable).
static std::wstring CopyLabel(const std::wstring& folder, const std::wstring& name)
{
    std::string bytes;
    bool read = ReadWholeFile(folder + L"\\" + name, kMaxListFileBytes, &bytes, FILE_SHARE_READ) == ReadResult::Read;
    std::wstring count = read ? std::to_wstring(ParseListBytes(bytes).size()) : L"?";
    CopyName parts = *ParseCopyName(name);
    if (parts.time.empty()) return FormatText(IDS_DAY_COPY_ITEM, {parts.date, count});
    std::wstring time = parts.time.substr(0, 2) + L":" + parts.time.substr(2, 2) + L":" + parts.time.substr(4, 2);
    return FormatText(IDS_BEFORE_RESTORE_ITEM, {parts.date, time, count});
}

struct CopyChoice {
    std::vector<std::wstring> labels;
    int chosen = -1;
};

static INT_PTR CALLBACK CopyChoiceProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* choice = reinterpret_cast<CopyChoice*>(GetWindowLongPtrW(dlg, DWLP_USER));
    HWND list = GetDlgItem(dlg, IDC_RESTORE_COPIES);
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        for (const std::wstring& label : reinterpret_cast<CopyChoice*>(lp)->labels)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        return TRUE;
    }
    if (msg != WM_COMMAND) return FALSE;
    if (LOWORD(wp) == IDCANCEL) return EndDialog(dlg, IDCANCEL), TRUE;
    if (LOWORD(wp) != IDOK && !(LOWORD(wp) == IDC_RESTORE_COPIES && HIWORD(wp) == LBN_DBLCLK)) return FALSE;
    LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return TRUE;   // none chosen: the dialog stays
    choice->chosen = static_cast<int>(index);
    EndDialog(dlg, IDOK);
    return TRUE;
}

void OnRestoreCopy(HWND hwnd)
{
    std::wstring folder = CopyFolderOf(g_paths.listFile);
    std::vector<std::wstring> names = CopiesIn(folder);
    if (names.empty()) {
        ShowMessage(hwnd, FormatText(IDS_NO_DAY_COPIES, {folder}), MB_OK);
        return;
    }
    CopyChoice choice;
    for (const std::wstring& name : names) choice.labels.push_back(CopyLabel(folder, name));
    if (DialogBoxParamW(g_ui.inst, L"RESTORE_COPY", hwnd, CopyChoiceProc, reinterpret_cast<LPARAM>(&choice)) != IDOK)
        return;
    if (KeepBeforeRestore(g_paths.listFile, FormatListBytes(g_bookmarks.lines)).empty()) {
        ShowMessage(hwnd, FormatText(IDS_BEFORE_RESTORE_NOT_SAVED, {folder}), MB_OK | MB_ICONWARNING);
        return;
    }
    RestoreFrom(hwnd, folder + L"\\" + names[static_cast<size_t>(choice.chosen)]);
    // Pruned only now: the copy chosen may be one of the days the new copy pushes out.
    (void)PruneCopies(g_paths.listFile, g_set.backupDays);
}
