// Title paths between the tree and the list. Titles are compared as the tree shows them (the
// wide form of the line's bytes), so every line's item is found whatever its bytes are, and
// titles of any length and with any characters, backslashes included, match.
#include "tree/tree_locate.h"

#include <string>
#include <vector>

#include "core/entry_line.h"
#include "core/line_search.h"
#include "core/lines.h"
#include "platform/settings_store.h"
#include "platform/text.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

TitlePath TitlePathOfItem(HTREEITEM item)
{
    TitlePath path;
    for (HTREEITEM at = item; at; at = NextItem(at, TVGN_PARENT)) path.push_back(ItemText(g_ui.tree, at));
    return TitlePath(path.rbegin(), path.rend());
}

HTREEITEM ItemAtTitlePath(const TitlePath& path)
{
    HTREEITEM item = nullptr;
    for (const std::wstring& title : path) {
        item = FindChildByTitle(item, title, false);
        if (!item) return nullptr;
    }
    return item;
}

HTREEITEM FindEntryAgain(const TitlePath& path, LPARAM kind, long* line)
{
    HTREEITEM item = ItemAtTitlePath(path);
    if (!item || ItemData(g_ui.tree, item) != kind) return nullptr;
    *line = FindLineOfItem(item);
    return *line >= 0 ? item : nullptr;
}

// True when the line title's bytes show as `shown`.
static bool TitleShowsAs(std::string_view title, const std::wstring& shown, std::wstring& scratch)
{
    // A CP932 character takes one or two bytes and gives one wide character.
    if (title.size() < shown.size() || title.size() > 2 * shown.size()) return false;
    WidenInto(title, scratch);
    return scratch == shown;
}

long FindLineOfItem(HTREEITEM item)
{
    if (!item) return -1;
    TitlePath path = TitlePathOfItem(item);
    std::wstring scratch;
    long found = -1;
    unsigned char depthChar = kTopDepthChar;
    for (const std::wstring& title : path) {
        found = FindLineAtDepth(g_bookmarks, found, depthChar++,
                                [&](std::string_view lineTitle) { return TitleShowsAs(lineTitle, title, scratch); });
    }
    return found;
}

// The line's title and those of its ancestors, the top level first; empty when an ancestor
// cannot be found above the line.
static std::vector<std::wstring> TitlePathOfLine(size_t index)
{
    std::vector<std::wstring> path;
    const std::string& line = g_bookmarks.lines[index];
    path.push_back(Widen(LineTitle(line)));
    unsigned char depthChar = DepthCharOf(line);
    size_t at = index;
    while (depthChar != kTopDepthChar) {
        --depthChar;
        while (at > 0 && DepthCharOf(g_bookmarks.lines[at]) != depthChar) --at;
        if (DepthCharOf(g_bookmarks.lines[at]) != depthChar) return {};
        path.push_back(Widen(LineTitle(g_bookmarks.lines[at])));
    }
    return std::vector<std::wstring>(path.rbegin(), path.rend());
}

HTREEITEM SelectItemOfLine(long index)
{
    if (index < 0 || static_cast<size_t>(index) >= LineCount(g_bookmarks)) return nullptr;
    if (!HasShownDepth(g_bookmarks.lines[static_cast<size_t>(index)])) return nullptr;
    std::vector<std::wstring> path = TitlePathOfLine(static_cast<size_t>(index));
    if (path.empty()) return nullptr;
    // An ancestor missing from the tree ends the search: another item of the same title
    // elsewhere is not this line's item.
    HTREEITEM current = nullptr;
    for (size_t k = 0; k + 1 < path.size(); ++k) {
        current = FindChildByTitle(current, path[k], false);
        if (!current) return nullptr;
    }
    return FindChildByTitle(current, path.back(), true);
}

HTREEITEM FindChildByTitle(HTREEITEM parent, std::wstring_view title, bool select)
{
    HTREEITEM candidate = parent ? NextItem(parent, TVGN_CHILD) : NextItem(nullptr, TVGN_ROOT);
    for (; candidate; candidate = NextItem(candidate, TVGN_NEXT)) {
        if (ItemText(g_ui.tree, candidate) != title) continue;
        if (select) SelectItem(candidate);
        return candidate;
    }
    return nullptr;
}

bool SelectedLine(HTREEITEM* item, long* line)
{
    *item = SelectedItem();
    *line = FindLineOfItem(*item);
    return *line >= 0;
}

bool SelectedFolder(HTREEITEM* folder, long* line)
{
    *folder = SelectedItem();
    if (!*folder || ItemData(g_ui.tree, *folder) != kFolderItemData) return false;
    *line = FindLineOfItem(*folder);
    return *line >= 0;
}

std::string SelectedUrl()
{
    HTREEITEM item = SelectedItem();
    if (!item || ItemData(g_ui.tree, item) != kUrlItemData) return {};
    long line = FindLineOfItem(item);
    return line < 0 ? std::string() : std::string(LineUrl(g_bookmarks.lines[static_cast<size_t>(line)]));
}

void AddLineUnderFolder(HTREEITEM folder, long folderLine, LPARAM kind, const std::string& title,
                        const std::string& url)
{
    char depth = static_cast<char>(DepthCharOf(g_bookmarks.lines[static_cast<size_t>(folderLine)]) + 1);
    bool isUrl = kind == kUrlItemData;
    InsertLine(g_bookmarks, static_cast<size_t>(folderLine) + 1,
               isUrl ? MakeUrlLine(depth, title, url) : MakeFolderLine(depth, title));
    SelectItem(isUrl ? InsertUrlItemFirst(folder, title) : InsertGroupItemFirst(folder, title));
}

void SaveCurSelect()
{
    long line = FindLineOfItem(SelectedItem());
    WriteSettingNumber(SettingName::kCurSelect, static_cast<DWORD>(line) & 0xFFFFu);
}
