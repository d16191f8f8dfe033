// Figures for the commands that handle many lines at once, in the real main window: the
// Favorites import of 10,000 shortcuts in 1,000 folders, find over 65,535 lines, and the
// clipboard commands on a 10,000-line subtree. Each is printed beside the platform's floor
// measured in the same run ("bench: NAME VALUE UNIT", "ratio: NAME VALUE"); it judges nothing.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/state.h"
#include "bench/bench_common.h"
#include "list/favorites_import.h"
#include "list/line_search.h"
#include "list/lines.h"
#include "list/list_file.h"
#include "res/resource.h"
#include "tree/find.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

static constexpr int kTopFolders = 100;
static constexpr int kSubFolders = 9;              // in each top folder: 1,000 folders in all
static constexpr int kShortcutsPerFolder = 10;     // 10,000 shortcuts
static constexpr size_t kBaseLines = kMaxLines - 10000;
static constexpr int kBigGroups = 909;             // with 10 URLs each, 9,999 lines below Big
static const std::string kNeedle = "needle-only-in-the-last-line";

static bool Fail(const char* what)
{
    std::fprintf(stderr, "larkit_bench_commands: %s\n", what);
    return false;
}

static bool WriteText(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    return CloseHandle(file) && ok;
}

static bool WriteShortcuts(const std::wstring& folder, const std::string& tag)
{
    for (int i = 0; i < kShortcutsPerFolder; ++i) {
        std::string url = "http://www.example.com/" + tag + "/page" + std::to_string(i) + ".html";
        std::string bytes = "[DEFAULT]\r\nBASEURL=" + url + "\r\n[InternetShortcut]\r\nURL=" + url + "\r\nIconIndex=0\r\n";
        if (!WriteText(folder + L"\\Page " + std::to_wstring(i) + L".url", bytes)) return false;
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

// The Book Big with a 10,000-line subtree, the Book Target, and books of 100 lines up to
// kBaseLines lines.
static std::vector<std::string> BaseList()
{
    std::vector<std::string> lines{"0Big\\"};
    for (int g = 0; g < kBigGroups; ++g) {
        lines.push_back("1Group " + std::to_string(g) + "\\");
        for (int u = 0; u < 10; ++u)
            lines.push_back("2Page " + std::to_string(u) + ",http://www.example.com/big/" + std::to_string(g) + "/" +
                            std::to_string(u));
    }
    lines.push_back("0Target\\");
    lines.push_back("1Inside,http://www.example.com/target");
    for (size_t i = 0; lines.size() < kBaseLines; ++i) {
        if (i % 100 == 0)
            lines.push_back("0Book " + std::to_string(i / 100) + "\\");
        else
            lines.push_back("1Entry " + std::to_string(i) + ",http://www.example.com/entry/" + std::to_string(i));
    }
    return lines;
}

static void Command(WORD id) { SendMessageW(g_ui.main, WM_COMMAND, id, 0); }

static void SelectPath(const std::vector<std::wstring>& titles)
{
    HTREEITEM item = nullptr;
    for (const std::wstring& title : titles) item = FindChildByTitle(item, title, false);
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

static size_t TreeCount() { return static_cast<size_t>(SendMessageW(g_ui.tree, TVM_GETCOUNT, 0, 0)); }

static bool MeasureImport(const std::wstring& favorites, const std::vector<std::string>& base)
{
    size_t files = 0;
    double floor = BestOf([] {}, [&] { files = WalkFloor(favorites); });
    if (files != size_t(kTopFolders) * (kSubFolders + 1) * kShortcutsPerFolder) return Fail("the floor missed files");
    std::vector<std::string> lines;
    ImportNotes notes;
    bool read = false;
    double walk = BestOf([] {}, [&] { read = ReadFavorites(favorites, "Favorites", kMaxLines, &lines, &notes); });
    if (!read || lines.size() != 1 + files + size_t(kTopFolders) * (kSubFolders + 1)) return Fail("the import missed lines");
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

static bool MeasureFind(const std::vector<std::string>& base)
{
    g_bookmarks.lines = base;
    for (size_t i = 0; LineCount(g_bookmarks) < kMaxLines - 1; ++i)
        AddLine(g_bookmarks, "1More " + std::to_string(i) + ",http://www.example.com/more/" + std::to_string(i));
    AddLine(g_bookmarks, "1Last," + kNeedle);
    (void)RebuildTree(0);
    long hit = -1;
    double plain = BestOf([] {}, [&] { hit = FindLineContaining(g_bookmarks, 0, kNeedle, false); });
    double folded = BestOf([] {}, [&] { hit = FindLineContaining(g_bookmarks, 0, kNeedle, true); });
    if (hit != static_cast<long>(kMaxLines - 1)) return Fail("find missed the last line");
    size_t floorHit = 0;
    double floor = BestOf([] {}, [&] {
        for (size_t i = 0; i < g_bookmarks.lines.size(); ++i)
            if (std::string_view(g_bookmarks.lines[i]).find(kNeedle) != std::string_view::npos) floorHit = i;
    });
    if (floorHit != kMaxLines - 1) return Fail("the floor missed the last line");
    g_set.chkFindStr = 1;
    double command = BestOf([] { g_find = FindState{kNeedle, 0}; }, [] { Command(IDM_FINDNEXT); });
    if (g_find.start != static_cast<long>(kMaxLines)) return Fail("find next did not move past the hit");
    PrintFigure("find_lines", static_cast<double>(LineCount(g_bookmarks)), "lines");
    PrintFigure("find_floor_string_find", floor, "ms");
    PrintFigure("find_search", plain, "ms");
    PrintFigure("find_search_folded", folded, "ms");
    PrintFigure("find_next_command_folded", command, "ms");
    PrintRatio("find_search_vs_floor", plain / floor);
    PrintRatio("find_search_folded_vs_floor", folded / floor);
    return true;
}

static bool MeasureClipboard(const std::vector<std::string>& base)
{
    auto fresh = [&] {
        g_bookmarks.lines = base;
        (void)RebuildTree(0);
    };
    double copy = BestOf([&] { fresh(); SelectPath({L"Big"}); }, [] { Command(IDM_COPY); });
    if (LineCount(g_clip) != 10000) return Fail("the copy did not take the subtree");
    std::vector<std::string> copied;
    double copyFloor = BestOf([] {}, [&] { copied.assign(base.begin(), base.begin() + 10000); });
    double copyLevel = BestOf([&] { SelectPath({L"Big", L"Group 0"}); }, [] { Command(IDM_COPYLEVEL); });
    if (LineCount(g_clip) != 9999) return Fail("the level copy did not take the level");

    SelectPath({L"Big"});
    Command(IDM_COPY);   // the clip that the pastes below insert
    double paste = BestOf([&] { fresh(); SelectPath({L"Target"}); }, [] { Command(IDM_PASTE); });
    if (LineCount(g_bookmarks) != kMaxLines || TreeCount() != kMaxLines) return Fail("the paste lost lines");
    double rebuild = BestOf([] {}, [] { (void)RebuildTree(0); });
    double pasteRoot = BestOf(fresh, [] { Command(IDM_PASTEROOT); });
    if (LineCount(g_bookmarks) != kMaxLines) return Fail("the paste at the end lost lines");

    double cut = BestOf([&] { fresh(); SelectPath({L"Big"}); }, [] { Command(IDM_CUT); });
    if (LineCount(g_bookmarks) != kBaseLines - 10000) return Fail("the cut did not take the subtree");
    double deleteFloor = BestOf([&] { fresh(); }, [] {
        SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(FindChildByTitle(nullptr, L"Big", false)));
    });
    double cutLevel = BestOf([&] { fresh(); SelectPath({L"Big", L"Group 0"}); }, [] { Command(IDM_CUTLEVEL); });
    if (LineCount(g_bookmarks) != kBaseLines - 9999) return Fail("the level cut did not take the level");

    PrintFigure("clip_copy_10000", copy, "ms");
    PrintFigure("clip_copy_floor_vector", copyFloor, "ms");
    PrintFigure("clip_copy_level_9999", copyLevel, "ms");
    PrintFigure("clip_paste_10000_into_55535", paste, "ms");
    PrintFigure("clip_paste_root_10000", pasteRoot, "ms");
    PrintFigure("rebuild_65535", rebuild, "ms");
    PrintFigure("clip_cut_10000", cut, "ms");
    PrintFigure("clip_cut_floor_delete_item", deleteFloor, "ms");
    PrintFigure("clip_cut_level_9999", cutLevel, "ms");
    PrintRatio("clip_paste_vs_rebuild", paste / rebuild);
    PrintRatio("clip_cut_vs_delete_item", cut / deleteFloor);
    PrintRatio("clip_cut_level_vs_delete_item", cutLevel / deleteFloor);
    return true;
}

static bool RunBench()
{
    std::wstring folder = MakeBenchFolder(L"larkit-bench-commands-");
    if (folder.empty()) return Fail("no temporary folder");
    std::wstring favorites = folder + L"\\Favorites";
    std::vector<std::string> base = BaseList();
    bool ok = WriteFavorites(favorites) || Fail("cannot write the Favorites folders");
    if (ok) ok = MeasureInMainWindow(folder, [&](double) {
        return MeasureImport(favorites, base) && MeasureFind(base) && MeasureClipboard(base);
    });
    RemoveFolder(folder);
    return ok;
}

int main()
{
    return RunBench() ? 0 : 1;
}
