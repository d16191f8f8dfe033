// The import walk keeps its own stack of folders being written, so that its time is linear in
// the number of entries and no depth of nesting can exhaust the call stack.
#include "core/import_lines.h"

#include <algorithm>
#include <unordered_set>

#include "core/entry_line.h"
#include "core/entry_rules.h"
#include "core/url_file.h"

namespace {

// A folder whose entries are being written.
struct OpenFolder {
    std::vector<FolderEntry> entries;
    size_t next = 0;
    char depthChar;
    std::unordered_set<std::string> titles;   // of the entries written so far
};

}  // namespace

bool BuildImportLines(std::string_view bookTitle, const std::wstring& favorites, const FolderReader& read,
                      size_t maxLines, std::vector<std::string>* lines)
{
    lines->clear();
    if (maxLines == 0) return false;
    lines->push_back(MakeFolderLine(kTopDepthChar, bookTitle));
    std::vector<OpenFolder> open;
    open.push_back({read(favorites), 0, DeeperDepthChar(kTopDepthChar), {}});
    while (!open.empty()) {
        OpenFolder& at = open.back();
        if (at.next == at.entries.size()) {
            open.pop_back();
            continue;
        }
        FolderEntry entry = std::move(at.entries[at.next++]);
        char depthChar = at.depthChar;
        std::unordered_set<std::string>& taken = at.titles;
        std::string title = FirstClaimedTitle(entry.folder ? entry.name : ShortcutTitle(entry.name),
                                              [&taken](const std::string& t) { return taken.insert(t).second; });
        if (lines->size() == maxLines) return false;
        lines->push_back(entry.folder ? MakeFolderLine(depthChar, title) : MakeUrlLine(depthChar, title, entry.url));
        if (!entry.folder) continue;
        std::vector<FolderEntry> inside = read(entry.path);
        std::reverse(inside.begin(), inside.end());
        open.push_back({std::move(inside), 0, DeeperDepthChar(depthChar), {}});
    }
    return true;
}
