// Dropped links and files: converted to CP932 lines here, placed by the clipboard's placing.
#include "transfer/drop_commands.h"

#include <algorithm>

#include "core/entry_line.h"
#include "core/entry_rules.h"
#include "core/lines.h"
#include "core/page_text.h"
#include "core/url_file.h"
#include "edit/clip_commands.h"
#include "edit/entry_commands.h"
#include "platform/file.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/wait_cursor.h"
#include "res/resource.h"
#include "transfer/favorites_import.h"
#include "tree/state.h"

static std::wstring WideOf(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

void DropLink(HWND hwnd, const DroppedLink& link, HTREEITEM target)
{
    std::wstring title = WideOf(link.title);
    std::string titleBytes;
    // NarrowReplacing puts one '?' for each character it cannot carry.
    size_t replaced = NarrowReplacing(title, &titleBytes)
                          ? 0
                          : static_cast<size_t>(std::count(titleBytes.begin(), titleBytes.end(), '?') -
                                                std::count(title.begin(), title.end(), L'?'));
    std::string url = UrlBytesOfText(WideOf(link.url));
    PageEntry entry = MakeTitledEntry(titleBytes, url);
    if (!MakeUrlStorable(entry.url, Cp932ToUtf8)) {
        ShowMessage(hwnd, UnstorableUrlText(0), MB_OK | MB_ICONWARNING);
        return;
    }
    if (!PutLinesOn(hwnd, {MakeUrlLine(kTopDepthChar, entry.title, entry.url)}, target)) return;
    if (replaced > 0)
        ShowMessage(hwnd, FormatText(IDS_DROP_CHARS_REPLACED, {std::to_wstring(replaced)}), MB_OK | MB_ICONINFORMATION);
}

static bool IsFolderPath(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

static std::wstring NameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

bool AnyDroppableFile(const std::vector<std::wstring>& paths)
{
    return std::any_of(paths.begin(), paths.end(), [](const std::wstring& path) {
        std::string name;
        (void)NarrowReplacing(NameOf(path), &name);
        return IsFolderPath(path) || IsShortcutName(name);
    });
}

void DropFiles(HWND hwnd, const std::vector<std::wstring>& paths, HTREEITEM target)
{
    ImportNotes notes;
    size_t refused = 0;
    std::vector<std::string> lines;
    {
        WaitCursor wait(hwnd);
        for (const std::wstring& path : paths) {
            std::wstring name = NameOf(path);
            std::wstring folder = path.substr(0, path.size() - name.size());
            size_t unstorable = notes.unstorableUrls;
            FolderEntry entry;
            // A drive's root has no name to title a group with.
            if (name.empty() || !ReadImportEntry(folder, name, IsFolderPath(path), &entry, &notes)) {
                if (notes.unstorableUrls == unstorable) ++refused;
                continue;
            }
            if (!entry.folder) {
                lines.push_back(MakeUrlLine(kTopDepthChar, ShortcutTitle(entry.name), entry.url));
                continue;
            }
            std::vector<std::string> group;
            size_t room = kMaxLines - std::min(kMaxLines, LineCount(g_bookmarks) + lines.size());
            if (!ReadFavorites(entry.path, entry.name, room, &group, &notes)) return ReportListFull(hwnd);
            lines.insert(lines.end(), group.begin(), group.end());
        }
    }
    if (!lines.empty() && !PutLinesOn(hwnd, lines, target)) return;
    std::wstring text = ImportNotesText(notes);
    if (refused > 0) text += FormatText(IDS_DROP_FILES_REFUSED, {std::to_wstring(refused)});
    if (!text.empty()) ShowMessage(hwnd, text, MB_OK | MB_ICONINFORMATION);
}
