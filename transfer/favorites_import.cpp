// The folder walk of the import (wide paths from end to end, so no name or depth is cut),
// and the command that adds its lines, saves the list and shows the new Book.
#include "transfer/favorites_import.h"

#include <commctrl.h>

#include <algorithm>

#include "core/entry_rules.h"
#include "core/import_lines.h"
#include "core/lines.h"
#include "core/url_file.h"
#include "edit/entry_commands.h"
#include "edit/unique_title.h"
#include "list/list_file.h"
#include "list/list_messages.h"
#include "platform/file.h"
#include "platform/load_text.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/wait_cursor.h"
#include "res/resource.h"
#include "transfer/import_books.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

// "インターネットエクスプローラ", the new Book's title before it is made unique.
static constexpr std::string_view kFavoritesBookTitle =
    "\x83\x43\x83\x93\x83\x5e\x81\x5b\x83\x6c\x83\x62\x83\x67\x83\x47\x83\x4e\x83\x58\x83\x76\x83\x8d\x81\x5b\x83\x89";

static constexpr wchar_t kShellFoldersKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A path of the longest form the system takes, counted in CP932 bytes with its terminator.
static constexpr size_t kFolderPathCapacity = 2 * 32768;

// Shortcut files are small; a bigger one is no shortcut worth reading.
static constexpr size_t kMaxShortcutBytes = 1u << 20;

// The Favorites folder as the shell's folder list names it; empty when it names none.
static std::wstring FavoritesFolder()
{
    std::wstring folder;
    (void)RegReadWideString(HKEY_CURRENT_USER, kShellFoldersKey, L"Favorites", folder, kFolderPathCapacity);
    return folder;
}

static std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

static std::string ReadShortcutUrl(const std::wstring& path, ImportNotes* notes)
{
    std::string bytes;
    if (ReadWholeFile(path, kMaxShortcutBytes, &bytes, FILE_SHARE_READ | FILE_SHARE_WRITE) == ReadResult::Read)
        return ShortcutUrl(bytes);
    ++notes->unreadableShortcuts;
    return std::string();
}

// The sub-folders and shortcuts of one folder in the order the listing gives them. A folder
// with more entries than the list can hold is read no further: the import is refused anyway.
static std::vector<FolderEntry> ReadImportFolder(const std::wstring& folder, ImportNotes* notes)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(LongPathForm(JoinPath(folder, L"*")).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        FolderEntry entry;
        if (ReadImportEntry(folder, name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, &entry, notes))
            entries.push_back(std::move(entry));
    } while (entries.size() <= kMaxLines && FindNextFileW(find, &found));
    FindClose(find);
    return entries;
}

bool ReadImportEntry(const std::wstring& folder, const std::wstring& name, bool isFolder, FolderEntry* entry,
                     ImportNotes* notes)
{
    bool exact = NarrowReplacing(name, &entry->name);
    entry->folder = isFolder;
    if (entry->folder)
        entry->path = JoinPath(folder, name);
    else if (IsShortcutName(entry->name))
        entry->url = ReadShortcutUrl(JoinPath(folder, name), notes);
    else
        return false;
    if (!entry->folder && !MakeUrlStorable(entry->url, Cp932ToUtf8)) {
        ++notes->unstorableUrls;
        return false;
    }
    if (!exact) ++notes->replacedNames;
    return true;
}

bool ReadFavorites(const std::wstring& favorites, std::string_view bookTitle, size_t maxLines,
                   std::vector<std::string>* lines, ImportNotes* notes)
{
    return BuildImportLines(
        bookTitle, favorites, [notes](const std::wstring& folder) { return ReadImportFolder(folder, notes); },
        maxLines, lines);
}

static bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring ImportNotesText(const ImportNotes& notes)
{
    std::wstring text;
    if (notes.replacedNames > 0)
        text += FormatText(IDS_IMPORT_NAMES_REPLACED, {std::to_wstring(notes.replacedNames)});
    if (notes.unreadableShortcuts > 0)
        text += FormatText(IDS_IMPORT_SHORTCUTS_UNREADABLE, {std::to_wstring(notes.unreadableShortcuts)});
    if (notes.unstorableUrls > 0) text += UnstorableUrlText(notes.unstorableUrls) + L"\n";
    return text;
}

static void ReportImportNotes(HWND hwnd, const ImportNotes& notes)
{
    std::wstring text = ImportNotesText(notes);
    if (!text.empty()) ShowMessage(hwnd, text, MB_OK | MB_ICONINFORMATION);
}

void OnImportFavorites(HWND hwnd)
{
    if (ShowMessage(hwnd, LoadText(IDS_IMPORT_CONFIRM), MB_YESNO) != IDYES) return;
    std::wstring favorites = FavoritesFolder();
    if (favorites.empty() || !IsFolder(favorites)) {
        ShowMessage(hwnd, LoadText(IDS_FAVORITES_NOT_FOUND), MB_OK | MB_ICONWARNING);
        return;
    }
    std::string title(kFavoritesBookTitle);
    (void)MakeUniqueTitle(nullptr, title);   // a short title: every suffix fits
    size_t room = RoomForImport();
    std::vector<std::string> lines;
    ImportNotes notes;
    bool fits;
    {
        WaitCursor wait(hwnd);
        fits = ReadFavorites(favorites, title, room, &lines, &notes);
    }
    if (!fits) return ReportListFull(hwnd);
    AddBooksAndSave(hwnd, std::move(lines));
    ReportImportNotes(hwnd, notes);
}
