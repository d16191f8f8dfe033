// What the benchmark programs share: a millisecond clock, the best of a few runs with the
// message queue drained around each, the printed figures, a scratch folder, and the floor of
// building the tree (the bare inserts of the same items into the tree view).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/entry_line.h"
#include "core/lines.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tests/support/support.h"
#include "tree/state.h"
#include "tree/tree_item.h"

constexpr int kBenchRuns = 3;

inline double Now()
{
    static LARGE_INTEGER frequency;
    if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Runs `prepare` untimed, then `work`, and keeps the best time in ms so far in `best`. A
// benchmark that times every figure once per round does not let a slow moment or a heap that
// ages through the run fall on one figure only.
template <typename Prepare, typename Work>
void TimeOnce(double* best, Prepare prepare, Work work)
{
    prepare();
    PumpMessages();
    double start = Now();
    work();
    *best = std::min(*best, Now() - start);
    PumpMessages();
}

// The best of kBenchRuns of `work` in ms; `prepare` runs untimed before each.
template <typename Prepare, typename Work>
double BestOf(Prepare prepare, Work work)
{
    double best = 1e300;
    for (int run = 0; run < kBenchRuns; ++run) {
        prepare();
        PumpMessages();
        double start = Now();
        work();
        best = std::min(best, Now() - start);
        PumpMessages();
    }
    return best;
}

inline void PrintFigure(const char* name, double value, const char* unit)
{
    std::printf("bench: %s %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

inline void PrintRatio(const char* name, double value)
{
    std::printf("ratio: %s %.2f\n", name, value);
    std::fflush(stdout);
}

// A new empty folder in the temporary folder, named after `prefix` and the process; empty on failure.
inline std::wstring MakeBenchFolder(const wchar_t* prefix)
{
    return MakeScratchFolder(prefix + std::to_wstring(GetCurrentProcessId()));
}

// Starts the main window in `folder` with no stored settings and lets it load the list there,
// then runs `measure` with the time from creation to the loaded tree, and exits the window.
// The current folder and the settings are put back. False when the window could not be made
// or `measure` failed.
template <typename Measure>
bool MeasureInMainWindow(const std::wstring& folder, Measure measure)
{
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.c_str());
    (void)RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    double start = Now();
    HWND main = StartMainWindow();   // the list is loaded and the tree built in here
    bool ok = main && measure(Now() - start);
    if (main) ExitMainWindow();
    SetCurrentDirectoryW(previous);
    (void)RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    return ok;
}

// Emptied the way the program does, but outside the timed part: a start begins with an empty
// tree.
inline void EmptyTree()
{
    SendMessageW(g_ui.tree, WM_SETREDRAW, FALSE, 0);
    SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    SendMessageW(g_ui.tree, WM_SETREDRAW, TRUE, 0);
}

// What the floor inserts: the shown lines in list order, their titles already wide, and the
// position of each one's parent (or kFloorTop).
struct FloorItem {
    std::wstring text;
    size_t parent;
    LPARAM data;
};
constexpr size_t kFloorTop = static_cast<size_t>(-1);

inline std::vector<FloorItem> PrepareFloor()
{
    std::vector<FloorItem> items;
    items.reserve(g_bookmarks.lines.size());
    size_t lastAtDepth[10];   // depths 0-9
    std::fill(std::begin(lastAtDepth), std::end(lastAtDepth), kFloorTop);
    for (const std::string& line : g_bookmarks.lines) {
        if (!HasShownDepth(line)) continue;
        int depth = ShownDepthOf(line);
        size_t parent = depth == 0 ? kFloorTop : lastAtDepth[depth - 1];
        lastAtDepth[depth] = items.size();
        items.push_back({Widen(LineTitle(line)), parent, IsFolderLine(line) ? kFolderItemData : kUrlItemData});
    }
    return items;
}

// Only the inserts: no conversion, no planning, no sorting, redraw off.
inline void InsertFloor(const std::vector<FloorItem>& items, std::vector<HTREEITEM>& made)
{
    for (size_t i = 0; i < items.size(); ++i) {
        TVINSERTSTRUCTW insert{};
        insert.hParent = items[i].parent == kFloorTop ? TVI_ROOT : made[items[i].parent];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
        insert.item.pszText = const_cast<wchar_t*>(items[i].text.c_str());
        insert.item.lParam = items[i].data;
        made[i] = reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
}
