// Figures for the commands, in the real main window: the Favorites import of 10,000 shortcuts
// in 1,000 folders, the bookmark HTML export of the full reference list and the import of a file
// of 60,000 links, undo against paste, and each editing, clipboard and find command on the reference list with
// the selection deep in its last book, at three sizes of the list so that their growth shows.
// Floors measured in the same run stand beside them ("bench: NAME VALUE UNIT", "ratio: NAME
// VALUE"); it judges nothing.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "bench/bench_common.h"
#include "bench/reference_list.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "core/undo_history.h"
#include "edit/clip_commands.h"
#include "edit/find.h"
#include "list/list_file.h"
#include "platform/file.h"
#include "platform/registry.h"
#include "res/resource.h"
#include "tests/support/dialogs.h"
#include "transfer/drop_commands.h"
#include "transfer/favorites_import.h"
#include "transfer/html_transfer.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

static constexpr int kTopFolders = 100;
static constexpr int kSubFolders = 9;              // in each top folder: 1,000 folders in all
static constexpr int kShortcutsPerFolder = 10;     // 10,000 shortcuts

static bool Fail(const char* what)
{
    std::fprintf(stderr, "larkit_bench_commands: %s\n", what);
    return false;
}

static bool WriteShortcuts(const std::wstring& folder, const std::string& tag)
{
    for (int i = 0; i < kShortcutsPerFolder; ++i) {
        std::string url = "http://www.example.com/" + tag + "/page" + std::to_string(i) + ".html";
        std::string bytes = "[DEFAULT]\r\nBASEURL=" + url + "\r\n[InternetShortcut]\r\nURL=" + url + "\r\nIconIndex=0\r\n";
        if (!WriteBytes(folder + L"\\Page " + std::to_wstring(i) + L".url", bytes)) return false;
    }
    return true;
}

// 100 folders of 9 folders each, 10 shortcuts in every folder.
static bool WriteFavorites(const std::wstring& root)
{
    if (!CreateDirectoryW(root.c_str(), nullptr)) return false;
    for (int top = 0; top < kTopFolders; ++top) {
        std::wstring folder = root + L"\\Folder " + std::to_wstring(top);
        if (!CreateDirectoryW(folder.c_str(), nullptr) || !WriteShortcuts(folder, "f" + std::to_string(top))) return false;
        for (int sub = 0; sub < kSubFolders; ++sub) {
            std::wstring inner = folder + L"\\Sub " + std::to_wstring(sub);
            if (!CreateDirectoryW(inner.c_str(), nullptr) ||
                !WriteShortcuts(inner, "f" + std::to_string(top) + "s" + std::to_string(sub)))
                return false;
        }
    }
    return true;
}

// What the import must at least do: list every folder and read every shortcut file (each
// folder listed whole before going down, as the import does).
static size_t WalkFloor(const std::wstring& folder)
{
    std::vector<std::wstring> folders;
    size_t files = 0;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            folders.push_back(path);
            continue;
        }
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        char bytes[4096];
        DWORD got = 0;
        (void)ReadFile(file, bytes, sizeof bytes, &got, nullptr);
        CloseHandle(file);
        ++files;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    for (const std::wstring& inner : folders) files += WalkFloor(inner);
    return files;
}

static void Command(WORD id) { SendMessageW(g_ui.main, WM_COMMAND, id, 0); }

// The import into the reference list, cut to leave room for every imported line.
static bool MeasureImport(const std::wstring& favorites)
{
    size_t files = 0;
    double floor = BestOf([] {}, [&] { files = WalkFloor(favorites); });
    if (files != size_t(kTopFolders) * (kSubFolders + 1) * kShortcutsPerFolder) return Fail("the floor missed files");
    std::vector<std::string> lines;
    ImportNotes notes;
    bool read = false;
    double walk = BestOf([] {}, [&] { read = ReadFavorites(favorites, "Favorites", kMaxLines, &lines, &notes); });
    if (!read || lines.size() != 1 + files + size_t(kTopFolders) * (kSubFolders + 1)) return Fail("the import missed lines");
    const std::vector<std::string> base = MakeReferenceList(kMaxLines - lines.size());
    // Everything the command does once it was confirmed: read, add, save, rebuild, select.
    double command = BestOf(
        [&] {
            g_bookmarks.lines = base;
            (void)RebuildTree(0);
        },
        [&] {
            std::vector<std::string> added;
            (void)ReadFavorites(favorites, "Favorites", kMaxLines - base.size(), &added, &notes);
            size_t book = LineCount(g_bookmarks);
            InsertLines(g_bookmarks, book, std::move(added));
            (void)SaveListFile(g_paths.listFile);
            SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(RebuildTree(book)));
        });
    if (LineCount(g_bookmarks) != kMaxLines) return Fail("the import command did not add every line");
    double rebuild = BestOf([] {}, [] { (void)RebuildTree(0); });
    PrintFigure("import_lines", static_cast<double>(lines.size()), "lines");
    PrintFigure("import_walk_floor", floor, "ms");
    PrintFigure("import_read_favorites", walk, "ms");
    PrintFigure("import_command", command, "ms");
    PrintFigure("rebuild_after_import", rebuild, "ms");
    PrintRatio("import_read_vs_walk_floor", walk / floor);
    PrintRatio("import_command_vs_walk_floor_plus_rebuild", command / (floor + rebuild));
    return true;
}

// ---- The editing and clipboard commands on the reference list at three sizes ----

static constexpr size_t kBulkLines = 1000;      // the subtree that delete, copy, cut and paste move
static constexpr size_t kBulkGroups = 111;      // of 1 + 8 lines each, below the Bulk folder
static const std::string kNeedle = "needle-only-in-the-last-line";

// The reference list of `lines` lines with, deep in its last book, the folder Bulk of 1,000
// lines as the first child of the deepest folder that leaves its groups room above depth 9,
// and the needle in the last line's URL. Sets the lines of that folder and of the deepest URL
// entry of the last book (outside Bulk and the last line).
struct CommandList {
    std::vector<std::string> lines;
    size_t deepFolder = 0;
    size_t bulk = 0;
    size_t deepUrl = 0;
};

static CommandList MakeCommandList(size_t lines)
{
    CommandList made;
    made.lines = MakeReferenceList(lines - kBulkLines);
    std::vector<std::string>& list = made.lines;
    std::string& last = list.back();
    last = last.substr(0, 1) + std::string(LineTitle(last)) + ",http://www.example.jp/" + kNeedle;
    size_t lastBook = list.size() - 1;
    while (lastBook > 0 && !(list[lastBook][0] == '0' && IsFolderLine(list[lastBook]))) --lastBook;
    int folderDepth = -1, urlDepth = -1;
    for (size_t i = lastBook; i + 1 < list.size(); ++i) {
        int depth = ShownDepthOf(list[i]);
        if (IsFolderLine(list[i]) && depth <= 6 && depth >= folderDepth) {
            folderDepth = depth;
            made.deepFolder = i;
        }
        if (!IsFolderLine(list[i]) && depth >= urlDepth) {
            urlDepth = depth;
            made.deepUrl = i;
        }
    }
    std::vector<std::string> bulk{std::string(1, static_cast<char>('1' + folderDepth)) + "Bulk\\"};
    for (size_t g = 0; g < kBulkGroups; ++g) {
        bulk.push_back(std::string(1, static_cast<char>('2' + folderDepth)) + "\x95\x5c Group " + std::to_string(g) + "\\");
        for (int u = 0; u < 8; ++u)
            bulk.push_back(std::string(1, static_cast<char>('3' + folderDepth)) + "Page " + std::to_string(u) +
                           ",http://www.example.jp/bulk/" + std::to_string(g) + "/" + std::to_string(u));
    }
    made.bulk = made.deepFolder + 1;
    if (made.deepUrl >= made.bulk) made.deepUrl += bulk.size();
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(made.bulk), bulk.begin(), bulk.end());
    return made;
}

// Commands are short and a slow moment of the machine would fall on one size only: every size
// is measured in each of kScaleRounds rounds, each command kCommandRuns times a round, and
// the best time counts.
static constexpr int kScaleRounds = 3;
static constexpr int kCommandRuns = 3;

// Answers this thread's dialogs at once (the test support's answerer, each dialog as it comes
// up). The time each dialog stood, from its creation to its end, is added up, so that a
// command's own work can be told from the dialog's.
static HHOOK s_cbtHook = nullptr, s_initHook = nullptr;
static double s_dialogOpenedAt = 0, s_dialogMs = 0;

static bool IsDialogWindow(HWND hwnd)
{
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return wcscmp(name, L"#32770") == 0;
}

static LRESULT CALLBACK OnDialogCreatedOrGone(int code, WPARAM wp, LPARAM lp)
{
    HWND hwnd = reinterpret_cast<HWND>(wp);
    if (code == HCBT_CREATEWND && IsDialogWindow(hwnd)) s_dialogOpenedAt = Now();
    if (code == HCBT_DESTROYWND && IsDialogWindow(hwnd)) s_dialogMs += Now() - s_dialogOpenedAt;
    return CallNextHookEx(s_cbtHook, code, wp, lp);
}

// Answers each dialog as it is initialised, so that no timer period is timed.
static LRESULT CALLBACK OnDialogReady(int code, WPARAM wp, LPARAM lp)
{
    auto* sent = reinterpret_cast<CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && sent->message == WM_INITDIALOG) AnswerDialog(sent->hwnd, true);
    return CallNextHookEx(s_initHook, code, wp, lp);
}

static void AnswerDialogs(std::map<int, std::wstring> texts)
{
    DialogStep step;
    step.texts = std::move(texts);
    ScriptDialogs(std::vector<DialogStep>(kCommandRuns, step));
    if (!s_initHook) s_initHook = SetWindowsHookExW(WH_CALLWNDPROCRET, OnDialogReady, nullptr, GetCurrentThreadId());
    s_dialogMs = 0;
    if (!s_cbtHook) s_cbtHook = SetWindowsHookExW(WH_CBT, OnDialogCreatedOrGone, nullptr, GetCurrentThreadId());
}

static void StopAnsweringDialogs()
{
    StopDialogScript();
    if (s_cbtHook) UnhookWindowsHookEx(s_cbtHook);
    if (s_initHook) UnhookWindowsHookEx(s_initHook);
    s_cbtHook = s_initHook = nullptr;
}

// One command's best time, whole and without the time its dialog stood open.
struct CommandTime {
    double whole = 1e300;
    double work = 1e300;
};

// Runs `prepare`, then the timed `work`, then `undo` that puts the list back, kCommandRuns
// times, and keeps the best times in `best`.
template <typename Prepare, typename Work, typename Undo>
static void TimeCommand(CommandTime* best, Prepare prepare, Work work, Undo undo)
{
    for (int run = 0; run < kCommandRuns; ++run) {
        prepare();
        PumpMessages();
        s_dialogMs = 0;
        double start = Now();
        work();
        double whole = Now() - start;
        best->whole = std::min(best->whole, whole);
        best->work = std::min(best->work, whole - s_dialogMs);
        PumpMessages();
        undo();
    }
}

// What each command took at one size of the list: the best of every round.
struct ScaleFigures {
    double rebuild = 1e300, floorInsert = 1e300, itemMessages = 1e300, findFloor = 1e300;
    CommandTime floorNewItem, newUrl, edit, deleteBulk, copyBulk, cutBulk, pasteBulk, findNext, find;
};

static bool MeasureAtSize(size_t lines, ScaleFigures* figures)
{
    CommandList list = MakeCommandList(lines);
    g_bookmarks.lines = list.lines;
    g_set.askFlg = 0;
    g_set.chkFindStr = 0;
    std::vector<FloorItem> floorItems = PrepareFloor();
    std::vector<HTREEITEM> made(floorItems.size());
    auto nothing = [] {};
    TimeOnce(&figures->floorInsert,
             [] {
                 EmptyTree();
                 SendMessageW(g_ui.tree, WM_SETREDRAW, FALSE, 0);
             },
             [&] { InsertFloor(floorItems, made); });
    SendMessageW(g_ui.tree, WM_SETREDRAW, TRUE, 0);
    TimeOnce(&figures->rebuild, nothing, [] { (void)RebuildTree(0); });
    // The platform's cost of messages about one item, which every lookup by titles pays for
    // each item it reads: 1,000 of them.
    HTREEITEM deep = SelectItemOfLine(static_cast<long>(list.deepUrl));
    if (!deep) return Fail("the deep URL entry has no item");
    TimeOnce(&figures->itemMessages, nothing, [&] {
        for (int n = 0; n < 1000; ++n) (void)RelatedItem(g_ui.tree, deep, TVGN_PARENT);
    });
    // What a new entry costs the platform alone: one sorted insert under the deep folder, made
    // the caret item, and taken out again untimed.
    HTREEITEM folder = nullptr, added = nullptr;
    TimeCommand(
        &figures->floorNewItem, [&] { folder = SelectItemOfLine(static_cast<long>(list.deepFolder)); },
        [&] {
            TVINSERTSTRUCTW insert{};
            insert.hParent = folder;
            insert.hInsertAfter = TVI_SORT;
            insert.item.mask = TVIF_TEXT | TVIF_PARAM;
            insert.item.pszText = const_cast<wchar_t*>(L"bench new entry");
            insert.item.lParam = kUrlItemData;
            added = reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
            SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(added));
        },
        [&] { SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(added)); });
    auto select = [](size_t line) { return [line] { (void)SelectItemOfLine(static_cast<long>(line)); }; };
    auto same = [&] { return g_bookmarks.lines.size() == lines; };

    AnswerDialogs({{IDC_ENTRY_TITLE, L"bench new entry"}, {IDC_ENTRY_URL, L"http://www.example.jp/new"}});
    TimeCommand(&figures->newUrl, select(list.deepFolder), [] { Command(IDM_NEWURL); }, [] { Command(IDM_DELETE); });
    if (!same()) return Fail("new URL and its removal changed the list");
    int edits = 0;
    TimeCommand(
        &figures->edit,
        [&] {
            select(list.deepUrl)();
            AnswerDialogs({{IDC_ENTRY_TITLE, L"bench edited " + std::to_wstring(++edits)}});
        },
        [] { Command(IDM_EDIT); }, nothing);
    if (LineTitle(g_bookmarks.lines[list.deepUrl]) != "bench edited " + std::to_string(edits)) return Fail("the edit missed its line");
    StopAnsweringDialogs();

    TimeCommand(&figures->copyBulk, select(list.bulk), [] { Command(IDM_COPY); }, nothing);
    if (g_clip.lines.size() != kBulkLines) return Fail("the copy did not take the 1,000 lines");
    const std::vector<std::string> bulkClip = g_clip.lines;
    auto pasteBack = [&] {
        g_clip.lines = bulkClip;
        select(list.deepFolder)();
        Command(IDM_PASTE);
    };
    TimeCommand(&figures->deleteBulk, select(list.bulk), [] { Command(IDM_DELETE); }, pasteBack);
    if (!same() || g_bookmarks.lines[list.bulk] != list.lines[list.bulk])
        return Fail("the delete and the paste back changed the list");
    // Cut and paste in turn: each paste puts back what the cut before it took.
    std::vector<double> pasteTimes;
    TimeCommand(&figures->cutBulk, select(list.bulk), [] { Command(IDM_CUT); }, [&] {
        if (g_clip.lines != bulkClip) return;
        select(list.deepFolder)();
        PumpMessages();
        double start = Now();
        Command(IDM_PASTE);
        pasteTimes.push_back(Now() - start);
    });
    if (!same() || pasteTimes.size() != kCommandRuns) return Fail("the cut and the paste lost lines");
    double paste = *std::min_element(pasteTimes.begin(), pasteTimes.end());
    figures->pasteBulk.whole = figures->pasteBulk.work = std::min(figures->pasteBulk.whole, paste);

    size_t floorHit = 0;
    TimeOnce(&figures->findFloor, nothing, [&] {
        for (size_t i = 0; i < g_bookmarks.lines.size(); ++i)
            if (std::string_view(g_bookmarks.lines[i]).find(kNeedle) != std::string_view::npos) floorHit = i;
    });
    TimeCommand(&figures->findNext, [] { g_find = FindState{kNeedle, 0}; }, [] { Command(IDM_FINDNEXT); }, nothing);
    if (floorHit != lines - 1 || g_find.start != static_cast<long>(lines)) return Fail("find missed the last line");
    AnswerDialogs({{IDC_FIND_TEXT, std::wstring(kNeedle.begin(), kNeedle.end())}});
    TimeCommand(&figures->find, nothing, [] { Command(IDM_FIND); }, nothing);
    StopAnsweringDialogs();
    if (g_find.start != static_cast<long>(lines)) return Fail("find with its dialog missed the last line");
    return true;
}

static void PrintCommand(const std::string& name, const std::string& size, const CommandTime& time, bool dialog)
{
    PrintFigure(("cmd_" + name + "_" + size).c_str(), time.whole, "ms");
    if (dialog) PrintFigure(("cmd_" + name + "_work_" + size).c_str(), time.work, "ms");
}

// Each command at 16k, 32k and 65k lines, and for each doubling the ratio of its times (2 for
// a command that grows linearly with the list). Commands with a dialog are compared by their
// work without the dialog, whose cost does not depend on the list.
static bool MeasureCommandsAtScale()
{
    const size_t sizes[] = {16384, 32767, 65534};   // the largest leaves room for the new URL
    const char* const names[] = {"16k", "32k", "65k"};
    ScaleFigures figures[3];
    for (int round = 0; round < kScaleRounds; ++round)
        for (int k = 0; k < 3; ++k)
            if (!MeasureAtSize(sizes[k], &figures[k])) return false;
    for (int k = 0; k < 3; ++k) {
        const ScaleFigures& f = figures[k];
        std::string size = names[k];
        PrintFigure(("cmd_list_lines_" + size).c_str(), static_cast<double>(sizes[k]), "lines");
        PrintFigure(("rebuild_" + size).c_str(), f.rebuild, "ms");
        PrintFigure(("floor_insert_" + size).c_str(), f.floorInsert, "ms");
        PrintFigure(("floor_item_message_" + size).c_str(), f.itemMessages, "us");   // ms for 1,000
        PrintFigure(("floor_new_item_" + size).c_str(), f.floorNewItem.whole, "ms");
        PrintCommand("new_url", size, f.newUrl, true);
        PrintCommand("edit", size, f.edit, true);
        PrintCommand("delete_1000", size, f.deleteBulk, false);
        PrintCommand("copy_1000", size, f.copyBulk, false);
        PrintCommand("cut_1000", size, f.cutBulk, false);
        PrintCommand("paste_1000", size, f.pasteBulk, false);
        PrintCommand("find_next_last_line", size, f.findNext, false);
        PrintCommand("find_last_line", size, f.find, true);
        PrintFigure(("find_floor_string_find_" + size).c_str(), f.findFloor, "ms");
    }
    for (int k = 1; k < 3; ++k) {
        const ScaleFigures& a = figures[k - 1];
        const ScaleFigures& b = figures[k];
        std::string step = std::string("_") + names[k] + "_vs_" + names[k - 1];
        PrintRatio(("floor_insert" + step).c_str(), b.floorInsert / a.floorInsert);
        PrintRatio(("floor_item_message" + step).c_str(), b.itemMessages / a.itemMessages);
        PrintRatio(("floor_new_item" + step).c_str(), b.floorNewItem.whole / a.floorNewItem.whole);
        PrintRatio(("cmd_new_url_work" + step).c_str(), b.newUrl.work / a.newUrl.work);
        PrintRatio(("cmd_edit_work" + step).c_str(), b.edit.work / a.edit.work);
        PrintRatio(("cmd_delete_1000" + step).c_str(), b.deleteBulk.whole / a.deleteBulk.whole);
        PrintRatio(("cmd_copy_1000" + step).c_str(), b.copyBulk.whole / a.copyBulk.whole);
        PrintRatio(("cmd_cut_1000" + step).c_str(), b.cutBulk.whole / a.cutBulk.whole);
        PrintRatio(("cmd_paste_1000" + step).c_str(), b.pasteBulk.whole / a.pasteBulk.whole);
        PrintRatio(("cmd_find_next_last_line" + step).c_str(), b.findNext.whole / a.findNext.whole);
        PrintRatio(("cmd_find_last_line_work" + step).c_str(), b.find.work / a.find.work);
    }
    const ScaleFigures& top = figures[2];
    for (int k = 0; k < 3; ++k) {
        std::string size = names[k];
        PrintRatio(("rebuild_vs_floor_insert_" + size).c_str(), figures[k].rebuild / figures[k].floorInsert);
        PrintRatio(("cmd_paste_1000_vs_floor_insert_" + size).c_str(), figures[k].pasteBulk.whole / figures[k].floorInsert);
        PrintRatio(("cmd_new_url_work_vs_floor_new_item_" + size).c_str(), figures[k].newUrl.work / figures[k].floorNewItem.whole);
    }
    PrintRatio("cmd_find_next_vs_floor_65k", top.findNext.whole / top.findFloor);
    return true;
}

// ---- Drag and drop against the clipboard doing the same ----

static constexpr size_t kDroppedFiles = 1000, kDropListLines = 60000, kMovedLines = 10000;

// A book of 10,001 lines: 1,000 groups of nine URL entries each.
static std::vector<std::string> MakeMovedBook()
{
    std::vector<std::string> moving{"0Moved\\"};
    for (size_t g = 0; moving.size() < kMovedLines; ++g) {
        moving.push_back("1Group " + std::to_string(g) + "\\");
        for (int u = 0; u < 9; ++u)
            moving.push_back("2Page " + std::to_string(u) + ",http://www.example.jp/moved/" + std::to_string(g) + "/" + std::to_string(u));
    }
    return moving;
}

// The list as `lines`, shown with the first item selected and nothing to take back.
static void ShowList(const std::vector<std::string>& lines)
{
    g_bookmarks.lines = lines;
    ClearHistory(g_history);
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(RebuildTree(0)));
}

// A drop of 1,000 shortcut files on the first book of a 60,000-line list, against a paste of
// the lines it makes there; a drag move of a 10,000-line book into the last book, against
// cutting it and pasting it there.
static bool MeasureDragAndDrop(const std::wstring& folder)
{
    std::vector<std::wstring> paths;
    for (size_t i = 0; i < kDroppedFiles; ++i) {
        paths.push_back(folder + L"\\Dropped " + std::to_wstring(i) + L".url");
        if (!WriteBytes(paths.back(), "[InternetShortcut]\r\nURL=http://www.example.com/dropped/" + std::to_string(i) + "\r\n"))
            return Fail("cannot write the dropped shortcuts");
    }
    const std::vector<std::string> base = MakeReferenceList(kDropListLines);
    auto reset = [](const std::vector<std::string>& lines) { return [&lines] { ShowList(lines); }; };
    double drop = BestOf(reset(base), [&] { DropFiles(g_ui.main, paths, SelectedItem()); });
    if (g_bookmarks.lines.size() != kDropListLines + kDroppedFiles) return Fail("the drop missed files");
    g_clip.lines.clear();
    for (size_t i = 1; i <= kDroppedFiles; ++i) g_clip.lines.push_back("0" + g_bookmarks.lines[i].substr(1));
    double paste = BestOf(reset(base), [] { Command(IDM_PASTE); });
    if (g_bookmarks.lines.size() != kDropListLines + kDroppedFiles) return Fail("the paste missed lines");

    std::vector<std::string> moving = MakeMovedBook();   // first in the list
    std::vector<std::string> list = MakeReferenceList(kMaxLines - moving.size());
    list.insert(list.begin(), moving.begin(), moving.end());
    long lastBook = static_cast<long>(list.size()) - 1;
    while (lastBook > 0 && list[static_cast<size_t>(lastBook)].substr(0, 1) != "0") --lastBook;
    HTREEITEM moved = nullptr, into = nullptr;
    auto prepare = [&] {
        reset(list)();
        into = SelectItemOfLine(lastBook);
        moved = SelectItemOfLine(0);
    };
    double move = BestOf(prepare, [&] { (void)MoveEntryOnto(g_ui.main, moved, into); });
    if (g_bookmarks.lines.size() != kMaxLines || g_bookmarks.lines[0] == "0Moved\\") return Fail("the move missed");
    double cutPaste = BestOf(prepare, [&] {
        Command(IDM_CUT);
        SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(into));
        Command(IDM_PASTE);
    });
    if (g_bookmarks.lines.size() != kMaxLines || g_bookmarks.lines[0] == "0Moved\\") return Fail("the cut and paste missed");
    PrintFigure("drop_1000_url_files_into_60000", drop, "ms");
    PrintFigure("paste_1000_lines_into_60000", paste, "ms");
    PrintFigure("drag_move_10000_lines", move, "ms");
    PrintFigure("cut_and_paste_10000_lines", cutPaste, "ms");
    PrintRatio("drop_1000_vs_paste_1000", drop / paste);
    PrintRatio("drag_move_10000_vs_cut_and_paste", move / cutPaste);
    return true;
}

// ---- Undo ----

// Undo of a delete of the 10,001-line last book of the full list, against pasting the same
// lines back there; and what the history holds after 100 edits of single URL entries.
static bool MeasureUndo()
{
    g_set.askFlg = 0;
    std::vector<std::string> book = MakeMovedBook(), list = MakeReferenceList(kMaxLines - book.size());
    list.insert(list.end(), book.begin(), book.end());
    const long bookLine = static_cast<long>(list.size() - book.size());
    auto takeOut = [&](WORD command) {
        return [&list, bookLine, command] {
            ShowList(list);
            (void)SelectItemOfLine(bookLine);
            Command(command);
        };
    };
    double undo = BestOf(takeOut(IDM_DELETE), [] { Command(IDM_UNDO); });
    if (g_bookmarks.lines != list) return Fail("the undo did not give the list back");
    double paste = BestOf(takeOut(IDM_CUT), [] { Command(IDM_PASTEROOT); });
    if (g_bookmarks.lines != list) return Fail("the paste did not give the list back");

    ShowList(list);
    size_t edits = 0;
    for (size_t line = 0; edits < 100; ++line) {
        if (IsFolderLine(list[line]) || !SelectItemOfLine(static_cast<long>(line))) continue;
        AnswerDialogs({{IDC_ENTRY_TITLE, L"bench undo " + std::to_wstring(++edits)}});
        Command(IDM_EDIT);
    }
    StopAnsweringDialogs();
    if (g_history.done.size() != 100) return Fail("the edits did not make 100 steps");
    double kilobytes = static_cast<double>(HistoryBytes(g_history)) / 1024;
    PrintFigure("undo_delete_10000_of_65535", undo, "ms");
    PrintFigure("paste_back_10000_of_65535", paste, "ms");
    PrintRatio("undo_delete_10000_vs_paste_back", undo / paste);
    PrintFigure("undo_history_100_edits", kilobytes, "KB");
    PrintRatio("undo_history_100_edits_vs_1_MB", kilobytes / 1024);
    return true;
}

// ---- Bookmark HTML out and in ----
static constexpr int kHtmlFolders = 600;
static constexpr int kHtmlLinksPerFolder = 100;   // 60,000 links

// A browser's export of 600 folders of 100 links each, with the attributes browsers write.
static std::string MakeHtmlFile()
{
    std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                       "charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
    for (int f = 0; f < kHtmlFolders; ++f) {
        html += "    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000000\">Folder " + std::to_string(f) +
                "</H3>\n    <DL><p>\n";
        for (int l = 0; l < kHtmlLinksPerFolder; ++l)
            html += "        <DT><A HREF=\"https://www.example.com/f" + std::to_string(f) + "/page" + std::to_string(l) +
                    ".html?a=1&amp;b=2\" ADD_DATE=\"1700000000\">Page " + std::to_string(l) + " &amp; more</A>\n";
        html += "    </DL><p>\n";
    }
    return html + "</DL><p>\n";
}

// The export (the command once its path is chosen) against writing the same bytes safely; the
// import of 60,000 links into an empty list against the tree rebuild of the same lines.
static bool MeasureHtml(const std::wstring& folder)
{
    const std::wstring exported = folder + L"\\bookmarks.html", floorFile = folder + L"\\floor.html";
    g_bookmarks.lines = MakeReferenceList(kMaxLines);
    (void)RebuildTree(0);
    bool saved = true;
    double exportMs = BestOf([] {}, [&] { saved = saved && ExportHtmlFile(g_ui.main, exported); });
    std::string bytes = ReadBytes(exported).value_or("");
    if (!saved || bytes.empty()) return Fail("the export wrote nothing");
    std::wstring kept;
    double writeMs = BestOf([] {}, [&] { saved = saved && ReplaceFileSafely(floorFile, bytes, &kept); });
    if (!saved) return Fail("the floor wrote nothing");

    const std::wstring imported = folder + L"\\browser.html";
    if (!WriteBytes(imported, MakeHtmlFile())) return Fail("cannot write the HTML file");
    double importMs = BestOf(
        [] {
            g_bookmarks.lines.clear();
            (void)RebuildTree(0);
        },
        [&] { ImportHtmlFile(g_ui.main, imported); });
    const size_t lines = 1 + size_t(kHtmlFolders) * (kHtmlLinksPerFolder + 1);
    if (LineCount(g_bookmarks) != lines) return Fail("the HTML import missed lines");
    double rebuild = BestOf([] {}, [] { (void)RebuildTree(0); });
    PrintFigure("export_html_bytes", static_cast<double>(bytes.size()), "bytes");
    PrintFigure("export_html_65535", exportMs, "ms");
    PrintFigure("write_same_bytes_floor", writeMs, "ms");
    PrintFigure("import_html_60000_links", importMs, "ms");
    PrintFigure("rebuild_of_imported_lines", rebuild, "ms");
    PrintRatio("export_html_vs_write_floor", exportMs / writeMs);
    PrintRatio("import_html_vs_rebuild", importMs / rebuild);
    return true;
}

static bool RunBench()
{
    std::wstring folder = MakeBenchFolder(L"larkit-bench-commands-");
    if (folder.empty()) return Fail("no temporary folder");
    std::wstring favorites = folder + L"\\Favorites";
    bool ok = WriteFavorites(favorites) || Fail("cannot write the Favorites folders");
    if (ok) ok = MeasureInMainWindow(folder, [&](double) {
        return MeasureImport(favorites) && MeasureHtml(folder) && MeasureDragAndDrop(folder) && MeasureUndo() &&
               MeasureCommandsAtScale();
    });
    RemoveFolder(folder);
    return ok;
}

int main()
{
    return RunBench() ? 0 : 1;
}
