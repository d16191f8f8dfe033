// Loading and saving the list file.
#include "list/list_file.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "list/lines.h"
#include "list/list_bytes.h"
#include "platform/file.h"

// Bigger files cannot be a list: 65,535 lines of several kilobytes each.
static constexpr size_t kMaxListFileBytes = 512u << 20;

static std::set<std::wstring> s_protectedFiles;

static std::wstring FoldedPath(const std::wstring& path)
{
    std::wstring folded = path;
    CharUpperBuffW(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

bool IsListFileProtected(const std::wstring& path)
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
        return ListLoad::Missing;
    }
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
    return ListLoad::Loaded;
}

static std::wstring Timestamp()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t text[32];
    wsprintfW(text, L"%04u%02u%02u_%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return text;
}

// Puts a list that could not go where it belonged into a side file of `folder`, named after
// the list file with "_unsaved_" and the time, under the first such name not taken yet.
// `place` makes the file at the path it is given (failing when it exists) and says whether it did.
template <class Place>
static bool MakeSideFile(const std::wstring& folder, const std::wstring& listName, Place place, std::wstring* made)
{
    // Room for the suffix within the longest name a folder entry can have; characters no file
    // name may hold (the list file's name came from the registry) become '_'.
    std::wstring stem = listName.substr(0, std::min<size_t>(listName.find_last_of(L'.'), 200));
    for (wchar_t& c : stem)
        if (c < L' ' || wcschr(L"\\/:*?\"<>|", c)) c = L'_';
    std::wstring base = folder + L"\\" + stem + L"_unsaved_" + Timestamp();
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

static bool WriteSideFile(const std::wstring& folder, const std::wstring& listName, const std::string& bytes,
                          std::wstring* written)
{
    return MakeSideFile(
        folder, listName, [&bytes](const std::wstring& path) { return WriteNewFile(path, bytes); }, written);
}

// Keeps `bytes` somewhere: beside the list file, else in the user's temporary folder.
static std::wstring KeepAside(const std::wstring& path, const std::string& bytes)
{
    std::wstring written;
    if (WriteSideFile(FolderOf(path), FileNameOf(path), bytes, &written)) return written;
    wchar_t temp[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    if (n > 0 && n <= MAX_PATH) {
        std::wstring folder(temp, n);
        if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
        if (WriteSideFile(folder, FileNameOf(path), bytes, &written)) return written;
    }
    return std::wstring();
}

ListSave SaveListFile(const std::wstring& path)
{
    ListSave save;
    std::string bytes = FormatListBytes(g_bookmarks.lines);
    if (IsListFileProtected(path)) {
        if (g_bookmarks.lines.empty()) {
            save.result = ListSaveResult::Untouched;
            return save;
        }
        save.sideFile = KeepAside(path, bytes);
        save.result = save.sideFile.empty() ? ListSaveResult::Failed : ListSaveResult::KeptAside;
        return save;
    }
    std::wstring keptCopy;
    if (ReplaceFileSafely(path, bytes, &keptCopy)) {
        save.result = ListSaveResult::Saved;
        return save;
    }
    save.result = ListSaveResult::Failed;
    if (!keptCopy.empty()) (void)DeleteFileW(LongPathForm(keptCopy).c_str());
    save.sideFile = KeepAside(path, bytes);
    return save;
}

bool ListFileHoldsList(const std::wstring& path)
{
    std::string bytes;
    if (ReadWholeFile(path, kMaxListFileBytes, &bytes, FILE_SHARE_READ) != ReadResult::Read) return false;
    return bytes == FormatListBytes(g_bookmarks.lines);
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
            if (MakeSideFile(folder, FileNameOf(path), moveHere, &side)) kept.push_back(side);
        }
    }
    return kept;
}

std::wstring BackupPathIn(const std::wstring& programDir)
{
    return programDir + L"\\_backup.dat";
}
