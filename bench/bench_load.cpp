// Load, rebuild and save figures for a list of 65,535 lines, in the real main window, each
// beside the platform's floor measured in the same run. Prints "bench: NAME VALUE UNIT" and
// "ratio: NAME VALUE"; it judges nothing. `larkit_bench --write-list FILE` only writes the list.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/state.h"
#include "bench/bench_common.h"
#include "list/entry_line.h"
#include "list/lines.h"
#include "list/list_file.h"
#include "platform/file.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tests/app/temp_folder.h"

static constexpr size_t kListLines = 65535;
static constexpr size_t kBooks = 100;
static constexpr int kDeepest = 9;
static constexpr uint64_t kSeed = 0x6c61726b6974ull;

// SplitMix64: the same list from every compiler and library, unlike the <random> distributions.
struct Random {
    uint64_t state;
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
    bool Chance(int percent) { return Below(100) < static_cast<size_t>(percent); }
};

// Double-byte characters for titles, as CP932 bytes. Several have a trail byte that is an
// ASCII separator elsewhere (0x5C backslash, 0x7C bar, 0x7B brace).
static const char* const kDoubleByteChars[] = {
    "\x95\x5c", "\x94\x5c", "\x8f\x5c", "\x97\x5c", "\x90\x5c", "\x8d\x5c", "\x83\x7c", "\x93\xfa",
    "\x96\x7b", "\x8c\xea", "\x8c\x9f", "\x8d\xf5", "\x90\x56", "\x92\x85", "\x8f\xee", "\x95\xf1",
    "\x81\x5b", "\x81\x45", "\x81\x41", "\x81\x5f", "\x81\x43"};
static constexpr char kTitleAscii[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_.()&!";
static constexpr char kUrlAscii[] = "abcdefghijklmnopqrstuvwxyz0123456789/-_.~%=&?";
static const char* const kHostEnds[] = {".jp", ".co.jp", ".ne.jp", ".or.jp", ".com", ".net"};

// Mostly short, with a long tail up to `most`.
static size_t SkewedLength(Random& rng, size_t least, size_t most)
{
    size_t span = most - least + 1;
    return least + rng.Below(span) * rng.Below(span) / (span - 1);
}

static void AppendDoubleByte(Random& rng, std::string& out)
{
    switch (rng.Below(3)) {
    case 0: out += '\x82'; out += static_cast<char>(0x9F + rng.Below(0xF1 - 0x9F + 1)); break;   // hiragana
    case 1: {                                                                                       // katakana
        unsigned trail = 0x40 + static_cast<unsigned>(rng.Below(0x96 - 0x40));
        if (trail >= 0x7F) ++trail;   // 0x7F is no trail byte
        out += '\x83';
        out += static_cast<char>(trail);
        break;
    }
    default: out += kDoubleByteChars[rng.Below(std::size(kDoubleByteChars))]; break;
    }
}

// A title of 10 to 120 bytes: runs of ASCII words and double-byte text. Never a comma or an
// ASCII backslash, never a split double-byte character.
static std::string MakeTitle(Random& rng)
{
    size_t size = 10 + rng.Below(111);
    std::string title;
    while (title.size() < size) {
        size_t room = size - title.size();
        if (room >= 2 && rng.Chance(55)) {
            for (size_t n = 1 + rng.Below(6); n > 0 && size - title.size() >= 2; --n) AppendDoubleByte(rng, title);
        } else {
            for (size_t n = 1 + rng.Below(8); n > 0 && title.size() < size; --n)
                title += kTitleAscii[rng.Below(sizeof kTitleAscii - 1)];
            if (title.size() < size && rng.Chance(50)) title += ' ';
        }
    }
    return title;
}

// "http://", a host and a path: 30 to 400 bytes, mostly short.
static std::string MakeUrl(Random& rng)
{
    size_t size = SkewedLength(rng, 30, 400);
    std::string url = "http://www.";
    for (size_t n = 3 + rng.Below(10); n > 0; --n) url += static_cast<char>('a' + rng.Below(26));
    url += kHostEnds[rng.Below(std::size(kHostEnds))];
    url += '/';
    while (url.size() < size) url += rng.Chance(1) ? ',' : kUrlAscii[rng.Below(sizeof kUrlAscii - 1)];
    url.resize(size);
    return url;
}

// The reference list, written as it is made so that its memory does not count. 100 books
// evenly spaced; inside them a walk that mostly opens a new folder after a folder, mostly
// stays at its depth after an entry and climbs out more often the deeper it is. About one
// line in five is a folder. Titles are unique among siblings.
static bool WriteReferenceList(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    Random rng{kSeed};
    std::set<std::string> siblings[kDeepest + 1];   // titles under the open folder of each depth
    std::string chunk;
    bool ok = true;
    size_t nextBook = 0;
    int previousDepth = 0;
    bool previousFolder = false;
    for (size_t i = 0; i < kListLines && ok; ++i) {
        int depth;
        bool folder;
        if (nextBook < kBooks && i == nextBook * kListLines / kBooks) {
            ++nextBook;
            depth = 0;
            folder = true;
        } else {
            bool canOpen = previousFolder && previousDepth < kDeepest;
            if (canOpen && (previousDepth == 0 || rng.Chance(92)))
                depth = previousDepth + 1;
            else if (previousDepth > 1 && rng.Below(200) < static_cast<size_t>(8 + 7 * previousDepth))
                depth = previousDepth - 1 - static_cast<int>(rng.Below(std::min(previousDepth - 1, 2)));
            else
                depth = std::max(previousDepth, 1);
            folder = rng.Chance(depth < kDeepest ? 19 : 5);
        }
        for (int deeper = depth + 1; deeper <= kDeepest; ++deeper) siblings[deeper].clear();
        std::string title;
        do title = MakeTitle(rng); while (!siblings[depth].insert(title).second);
        chunk += static_cast<char>('0' + depth);
        chunk += title;
        if (folder) {
            chunk += '\\';
        } else {
            chunk += ',';
            chunk += MakeUrl(rng);
        }
        chunk += "\r\n";
        previousDepth = depth;
        previousFolder = folder;
        if (chunk.size() >= (1u << 20) || i + 1 == kListLines) {
            DWORD written = 0;
            ok = WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr) &&
                 written == chunk.size();
            chunk.clear();
        }
    }
    return CloseHandle(file) && ok;
}

static double PeakWorkingSetMiB()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

static size_t TreeCount()
{
    return static_cast<size_t>(SendMessageW(g_ui.tree, TVM_GETCOUNT, 0, 0));
}

// Emptied the way the program does, but outside the timed part: a start begins with an empty
// tree.
static void EmptyTree()
{
    SendMessageW(g_ui.tree, WM_SETREDRAW, FALSE, 0);
    SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    SendMessageW(g_ui.tree, WM_SETREDRAW, TRUE, 0);
}

// What the floor inserts: the shown lines in list order, their titles already wide, and the
// position of each one's parent (or kTopLevel).
struct FloorItem {
    std::wstring text;
    size_t parent;
    LPARAM data;
};
static constexpr size_t kTopLevel = static_cast<size_t>(-1);

static std::vector<FloorItem> PrepareFloor()
{
    std::vector<FloorItem> items;
    items.reserve(g_bookmarks.lines.size());
    size_t lastAtDepth[kDeepest + 1];
    std::fill(std::begin(lastAtDepth), std::end(lastAtDepth), kTopLevel);
    for (const std::string& line : g_bookmarks.lines) {
        if (!HasShownDepth(line)) continue;
        int depth = ShownDepthOf(line);
        size_t parent = depth == 0 ? kTopLevel : lastAtDepth[depth - 1];
        lastAtDepth[depth] = items.size();
        items.push_back({Widen(LineTitle(line)), parent, IsFolderLine(line) ? kFolderItemData : kUrlItemData});
    }
    return items;
}

// Positions of the items under each parent; the top level is the last group.
static std::vector<std::vector<size_t>> SiblingGroups(const std::vector<FloorItem>& items)
{
    std::vector<std::vector<size_t>> groups(items.size() + 1);
    for (size_t i = 0; i < items.size(); ++i)
        groups[items[i].parent == kTopLevel ? items.size() : items[i].parent].push_back(i);
    return groups;
}

// Only the inserts: no conversion, no planning, no sorting, redraw off.
static void InsertFloor(const std::vector<FloorItem>& items, std::vector<HTREEITEM>& made)
{
    for (size_t i = 0; i < items.size(); ++i) {
        TVINSERTSTRUCTW insert{};
        insert.hParent = items[i].parent == kTopLevel ? TVI_ROOT : made[items[i].parent];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
        insert.item.pszText = const_cast<wchar_t*>(items[i].text.c_str());
        insert.item.lParam = items[i].data;
        made[i] = reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
}

static size_t FileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<size_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

static bool Fail(const char* what)
{
    std::fprintf(stderr, "larkit_bench: %s\n", what);
    return false;
}

// Every figure, with the main window up in the current folder.
static bool MeasureAll()
{
    const std::wstring& list = g_paths.listFile;
    const std::wstring backup = BackupPathIn(g_paths.programDir);
    const std::wstring copyFloor = g_paths.programDir + L"\\copy_floor.dat";
    if (LineCount(g_bookmarks) != kListLines || TreeCount() != kListLines)
        return Fail("the window did not load the whole reference list");
    PrintFigure("list_file_size", static_cast<double>(FileSize(list)) / (1024.0 * 1024.0), "MiB");

    constexpr double kNone = 1e300;
    double load = kNone, deleteAll = kNone, widen = kNone, sortSiblings = kNone, floor = kNone;
    double rebuild[2] = {kNone, kNone}, loadRebuild[2] = {kNone, kNone};   // [0] unsorted, [1] sorted
    double save = kNone, saveList = kNone, copy = kNone;
    auto nothing = [] {};
    std::vector<FloorItem> floorItems;
    std::vector<std::vector<size_t>> groups;
    std::vector<HTREEITEM> made;
    for (int round = 0; round < kBenchRuns; ++round) {
        TimeOnce(&load, nothing, [&] { (void)LoadListFile(list); });
        if (LineCount(g_bookmarks) != kListLines) return Fail("loading lost lines");

        TimeOnce(&deleteAll, [] { (void)RebuildTree(0); }, [] {
            SendMessageW(g_ui.tree, WM_SETREDRAW, FALSE, 0);
            SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
            SendMessageW(g_ui.tree, WM_SETREDRAW, TRUE, 0);
        });

        for (DWORD sort = 0; sort <= 1; ++sort) {
            g_set.sortFlg = sort;
            TimeOnce(&rebuild[sort], EmptyTree, [] { (void)RebuildTree(0); });
            if (TreeCount() != kListLines) return Fail("the rebuild did not show every line");
            HTREEITEM selected = nullptr;
            TimeOnce(&loadRebuild[sort], EmptyTree, [&] {
                (void)LoadListFile(list);
                selected = RebuildTree(0);
                SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
            });
            if (!selected || TreeCount() != kListLines) return Fail("start to ready tree did not finish");
        }

        // The two parts of a rebuild besides the inserts: widening the titles while finding
        // the parents, and the sort of each sibling group.
        TimeOnce(&widen, nothing, [&] { floorItems = PrepareFloor(); });
        TimeOnce(&sortSiblings, [&] { groups = SiblingGroups(floorItems); }, [&] {
            for (std::vector<size_t>& group : groups)
                std::stable_sort(group.begin(), group.end(), [&](size_t a, size_t b) {
                    return CompareItemTitles(floorItems[a].text.c_str(), floorItems[b].text.c_str()) < 0;
                });
        });

        made.assign(floorItems.size(), nullptr);
        TimeOnce(&floor,
                 [] {
                     EmptyTree();
                     SendMessageW(g_ui.tree, WM_SETREDRAW, FALSE, 0);
                 },
                 [&] { InsertFloor(floorItems, made); });
        SendMessageW(g_ui.tree, WM_SETREDRAW, TRUE, 0);
        if (TreeCount() != kListLines) return Fail("the floor did not insert every line");

        bool saved = false;
        TimeOnce(&save, nothing, [&] {
            double start = Now();
            saved = SaveListFile(list).result == ListSaveResult::Saved;
            saveList = std::min(saveList, Now() - start);
            saved = CopyFileW(LongPathForm(list).c_str(), LongPathForm(backup).c_str(), FALSE) && saved;
        });
        if (!saved) return Fail("saving failed");
        bool copied = false;
        TimeOnce(&copy, nothing, [&] {
            copied = CopyFileW(LongPathForm(list).c_str(), LongPathForm(copyFloor).c_str(), FALSE);
        });
        if (!copied) return Fail("the copy floor failed");
    }

    PrintFigure("load", load, "ms");
    PrintFigure("delete_all", deleteAll, "ms");
    PrintFigure("rebuild_unsorted", rebuild[0], "ms");
    PrintFigure("rebuild_sorted", rebuild[1], "ms");
    PrintFigure("load_rebuild_unsorted", loadRebuild[0], "ms");
    PrintFigure("load_rebuild_sorted", loadRebuild[1], "ms");
    PrintFigure("floor_insert", floor, "ms");
    PrintFigure("widen_titles", widen, "ms");
    PrintFigure("sort_siblings", sortSiblings, "ms");
    PrintFigure("save", save, "ms");
    PrintFigure("save_list_file", saveList, "ms");
    PrintFigure("copy_floor", copy, "ms");
    PrintRatio("rebuild_vs_floor", loadRebuild[0] / floor);
    PrintRatio("rebuild_sorted_vs_floor", loadRebuild[1] / floor);
    PrintRatio("rebuild_only_vs_floor", rebuild[0] / floor);
    PrintRatio("save_vs_copy", save / copy);
    return true;
}

static bool RunBench()
{
    std::wstring folder = MakeBenchFolder(L"larkit-bench-");
    if (folder.empty()) return Fail("no temporary folder");
    bool ok = WriteReferenceList(folder + L"\\list.dat");
    if (!ok) Fail("cannot write the reference list");
    if (ok) {
        PrintFigure("peak_working_set_before_start", PeakWorkingSetMiB(), "MiB");
        ok = MeasureInMainWindow(folder, [](double firstStart) {
            PrintFigure("first_start_once", firstStart, "ms");
            PrintFigure("peak_working_set", PeakWorkingSetMiB(), "MiB");
            return MeasureAll();
        }) || Fail("the main window could not be created");
    }
    RemoveFolder(folder);
    return ok;
}

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    bool ok = argv && argc == 3 && std::wstring(argv[1]) == L"--write-list" ? WriteReferenceList(argv[2]) : RunBench();
    LocalFree(argv);
    return ok ? 0 : 1;
}
