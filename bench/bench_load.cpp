// Load, rebuild and save figures for a list of 65,535 lines, in the real main window, each
// beside the platform's floor measured in the same run; then the real program's idle CPU time
// and peak working set with that list, measured from outside its process. Prints
// "bench: NAME VALUE UNIT" and "ratio: NAME VALUE"; it judges nothing. `larkit_bench --write-list FILE` only writes the list.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "bench/bench_common.h"
#include "bench/program_process.h"
#include "bench/reference_list.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "list/list_file.h"
#include "platform/file.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

static constexpr size_t kListLines = kReferenceLines;

// The reference list, written as it is made so that its memory does not count.
static bool WriteReferenceList(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ReferenceWalk walk = StartReferenceList(kListLines);
    std::string chunk, line;
    bool ok = true;
    bool more = true;
    while (more && ok) {
        more = NextReferenceLine(walk, &line);
        if (more) chunk += line + "\r\n";
        if (chunk.size() >= (1u << 20) || (!more && !chunk.empty())) {
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

// Positions of the items under each parent; the top level is the last group.
static std::vector<std::vector<size_t>> SiblingGroups(const std::vector<FloorItem>& items)
{
    std::vector<std::vector<size_t>> groups(items.size() + 1);
    for (size_t i = 0; i < items.size(); ++i)
        groups[items[i].parent == kFloorTop ? items.size() : items[i].parent].push_back(i);
    return groups;
}

// Writes `bytes` to a new file beside `path`, flushes it and moves it over `path`.
static bool WriteFlushedAndMoved(const std::wstring& path, const std::string& bytes)
{
    std::wstring temporary = path + L".new";
    HANDLE file = CreateFileW(LongPathForm(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    return ok && MoveFileExW(LongPathForm(temporary).c_str(), LongPathForm(path).c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
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
    double save = kNone, saveList = kNone, copy = kNone, safeWrite = kNone;
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
        // What a save that may never lose the old file must at least do: the same bytes into a
        // new file, flushed to the disk and moved over the old one, and the backup copied.
        std::string bytes;
        bool written = false;
        TimeOnce(&safeWrite, [&] { written = ReadWholeFile(list, 64u << 20, &bytes, FILE_SHARE_READ) == ReadResult::Read; },
                 [&] { written = written && WriteFlushedAndMoved(copyFloor, bytes) &&
                                 CopyFileW(LongPathForm(copyFloor).c_str(), LongPathForm(backup).c_str(), FALSE); });
        if (!written) return Fail("the safe write floor failed");
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
    PrintFigure("safe_write_floor", safeWrite, "ms");
    PrintRatio("rebuild_vs_floor", loadRebuild[0] / floor);
    PrintRatio("rebuild_sorted_vs_floor", loadRebuild[1] / floor);
    PrintRatio("rebuild_only_vs_floor", rebuild[0] / floor);
    PrintRatio("save_vs_copy", save / copy);
    PrintRatio("save_vs_safe_write_floor", save / safeWrite);
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
    if (ok) ok = MeasureProgramProcess(folder, kListLines);
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
