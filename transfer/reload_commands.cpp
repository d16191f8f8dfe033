// Reload and restore: load, rebuild the tree and select its first item. The list file stays
// where it is; a restored list reaches it at the next save.
#include "transfer/reload_commands.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "core/lines.h"
#include "list/list_file.h"
#include "list/list_messages.h"
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

void OnRestore(HWND hwnd)
{
    if (ShowMessage(hwnd, LoadText(IDS_RESTORE_CONFIRM), MB_YESNO) != IDYES) return;
    std::wstring backup = BackupPathIn(g_paths.programDir);
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
