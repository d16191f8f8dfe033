// Loading and saving the list file.
#include "list/list_file.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/lines.h"
#include "core/list_bytes.h"
#include "platform/file.h"

static std::set<std::wstring> s_protectedFiles;

// What this run last read from or wrote to a file, by folded path: the file's bytes, or that
// there was no file. A path with no entry was never read whole.
struct SeenFile {
    bool exists = false;
    std::string bytes;
};
static std::map<std::wstring, SeenFile> s_seenFiles;

static std::wstring FoldedPath(const std::wstring& path)
{
    std::wstring folded = path;
    CharUpperBuffW(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

// True when `path` could not be read in this run and is therefore never overwritten.
static bool IsListFileProtected(const std::wstring& path)
{
    return s_protectedFiles.count(FoldedPath(path)) != 0;
}

ListLoad LoadListFile(const std::wstring& path)
{
    ResetLines(g_bookmarks);
    std::string bytes;
    ReadResult read = ReadWholeFile(path, kMaxListFileBytes, &bytes);
    if (read == ReadResult::Missing) {
        s_protectedFiles.erase(FoldedPath(path));
        s_seenFiles[FoldedPath(path)] = SeenFile{};
        return ListLoad::Missing;
    }
    s_seenFiles.erase(FoldedPath(path));
    if (read != ReadResult::Read) {
        s_protectedFiles.insert(FoldedPath(path));
        return read == ReadResult::TooLarge ? ListLoad::TooManyLines : ListLoad::Unreadable;
    }
    std::vector<std::string> lines = ParseListBytes(bytes);
    if (lines.size() > kMaxLines) {
        s_protectedFiles.insert(FoldedPath(path));
        return ListLoad::TooManyLines;
    }
    g_bookmarks.lines = std::move(lines);
    s_protectedFiles.erase(FoldedPath(path));
    s_seenFiles[FoldedPath(path)] = SeenFile{true, std::move(bytes)};
    return ListLoad::Loaded;
}

// The kinds of side file, each named after the list file, the kind and the local time.
enum class SideKind {
    Unsaved,   // a list that could not go where it belonged
    Edited,    // the bytes of a list file edited outside the program
};

static std::wstring SideTag(SideKind kind)
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t text[48];
    if (kind == SideKind::Unsaved)
        wsprintfW(text, L"_unsaved_%04u%02u%02u_%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    else
        wsprintfW(text, L"_edited_%04u-%02u-%02u_%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return text;
}

// Makes a side file of `kind` in `folder` under the first such name not taken yet (a number
// follows the time when one is). `place` makes the file at the path it is given (failing when
// it exists) and says whether it did.
template <class Place>
static bool MakeSideFile(const std::wstring& folder, const std::wstring& listName, SideKind kind, Place place,
                         std::wstring* made)
{
    // Room for the suffix within the longest name a folder entry can have; characters no file
    // name may hold (the list file's name came from the registry) become '_'.
    std::wstring stem = listName.substr(0, std::min<size_t>(listName.find_last_of(L'.'), 200));
    for (wchar_t& c : stem)
        if (c < L' ' || wcschr(L"\\/:*?\"<>|", c)) c = L'_';
    std::wstring base = folder + L"\\" + stem + SideTag(kind);
    for (int n = 1; n < 100; ++n) {
        std::wstring candidate = base + (n == 1 ? L"" : L"_" + std::to_wstring(n)) + L".dat";
        if (place(candidate)) {
            *made = candidate;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

static bool WriteSideFile(const std::wstring& folder, const std::wstring& listName, SideKind kind,
                          const std::string& bytes, std::wstring* written)
{
    return MakeSideFile(
        folder, listName, kind, [&bytes](const std::wstring& path) { return WriteNewFile(path, bytes); }, written);
}

// Keeps `bytes` in a side file somewhere: beside the list file, else in the user's temporary
// folder. Empty when neither could be written.
static std::wstring KeepAside(const std::wstring& path, SideKind kind, const std::string& bytes)
{
    std::wstring written;
    if (WriteSideFile(FolderOf(path), FileNameOf(path), kind, bytes, &written)) return written;
    wchar_t temp[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    if (n > 0 && n <= MAX_PATH) {
        std::wstring folder(temp, n);
        if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
        if (WriteSideFile(folder, FileNameOf(path), kind, bytes, &written)) return written;
    }
    return std::wstring();
}

// Whether `disk`, read from `path` just now, is not what this run last read from it or wrote to
// it. A file that is gone or cannot be read holds nothing to keep.
static bool IsEditedOutside(const std::wstring& path, ReadResult read, const std::string& disk)
{
    auto seen = s_seenFiles.find(FoldedPath(path));
    if (seen == s_seenFiles.end() || read != ReadResult::Read) return false;
    return !seen->second.exists || seen->second.bytes != disk;
}

// Whether the list holds the lines last read from or written to `path`.
static bool ListAsLastSeen(const std::wstring& path)
{
    auto seen = s_seenFiles.find(FoldedPath(path));
    return seen != s_seenFiles.end() && ParseListBytes(seen->second.bytes) == g_bookmarks.lines;
}

ListSave SaveListFile(const std::wstring& path, OutsideEdit edit)
{
    ListSave save;
    std::string bytes = FormatListBytes(g_bookmarks.lines);
    if (IsListFileProtected(path)) {
        if (g_bookmarks.lines.empty()) {
            save.result = ListSaveResult::Untouched;
            return save;
        }
        save.sideFile = KeepAside(path, SideKind::Unsaved, bytes);
        save.result = save.sideFile.empty() ? ListSaveResult::Failed : ListSaveResult::KeptAside;
        return save;
    }
    std::string disk;
    ReadResult read = ReadWholeFile(path, kMaxListFileBytes, &disk, FILE_SHARE_READ);
    if (read == ReadResult::Read && disk == bytes) {
        s_seenFiles[FoldedPath(path)] = SeenFile{true, std::move(bytes)};
        save.result = ListSaveResult::Saved;
        return save;
    }
    if (IsEditedOutside(path, read, disk)) {
        if (edit == OutsideEdit::LeaveIfListUnchanged && ListAsLastSeen(path)) {
            save.result = ListSaveResult::LeftAsEdited;
            return save;
        }
        save.editedCopy = KeepAside(path, SideKind::Edited, disk);
        if (save.editedCopy.empty()) {
            // Replacing the file now would lose the edit: the list goes aside instead.
            save.result = ListSaveResult::Failed;
            save.sideFile = KeepAside(path, SideKind::Unsaved, bytes);
            return save;
        }
        s_seenFiles[FoldedPath(path)] = SeenFile{true, std::move(disk)};   // kept: no second copy
    }
    std::wstring keptCopy;
    if (ReplaceFileSafely(path, bytes, &keptCopy)) {
        s_seenFiles[FoldedPath(path)] = SeenFile{true, std::move(bytes)};
        save.result = ListSaveResult::Saved;
        return save;
    }
    save.result = ListSaveResult::Failed;
    if (!keptCopy.empty()) (void)DeleteFileW(LongPathForm(keptCopy).c_str());
    save.sideFile = KeepAside(path, SideKind::Unsaved, bytes);
    return save;
}

bool CopyListToBackup(const std::wstring& path, const std::wstring& programDir)
{
    return CopyFileSafely(path, BackupPathIn(programDir), kMaxListFileBytes);
}

// Whether `left` holds nothing that `list` lacks: the same bytes, or a head of them (a write
// that stopped part of the way).
static bool IsHeadOf(const std::string& left, const std::string& list)
{
    return left.size() <= list.size() && list.compare(0, left.size(), left) == 0;
}

std::vector<std::wstring> SettleLeftTemporaries(const std::wstring& path, const std::wstring& programDir)
{
    std::vector<std::wstring> kept;
    std::string list;
    bool listRead = ReadWholeFile(path, kMaxListFileBytes, &list, FILE_SHARE_READ) == ReadResult::Read;
    std::vector<std::wstring> folders{FolderOf(path)};
    if (FoldedPath(FolderOf(path)) != FoldedPath(programDir))
        folders.push_back(programDir);
    for (const std::wstring& folder : folders) {
        for (const std::wstring& temp : TemporaryFilesIn(folder)) {
            std::string left;
            // Read without sharing: a file that another process still writes is not left over.
            if (ReadWholeFile(temp, kMaxListFileBytes, &left) != ReadResult::Read) continue;
            if (listRead && IsHeadOf(left, list)) {
                (void)DeleteFileW(LongPathForm(temp).c_str());
                continue;
            }
            std::wstring side;
            auto moveHere = [&temp](const std::wstring& to) {
                return MoveFileExW(LongPathForm(temp).c_str(), LongPathForm(to).c_str(), 0) != FALSE;
            };
            if (MakeSideFile(folder, FileNameOf(path), SideKind::Unsaved, moveHere, &side)) kept.push_back(side);
        }
    }
    return kept;
}

std::wstring BackupPathIn(const std::wstring& programDir)
{
    return programDir + L"\\_backup.dat";
}
