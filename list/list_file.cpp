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

// A file name that does not exist yet, in `folder`, for a copy of the list that could not go
// where it belonged.
static bool WriteSideFile(const std::wstring& folder, const std::wstring& listName, const std::string& bytes,
                          std::wstring* written)
{
    // Room for the suffix within the longest name a folder entry can have.
    std::wstring stem = listName.substr(0, std::min<size_t>(listName.find_last_of(L'.'), 200));
    std::wstring base = folder + L"\\" + stem + L"_unsaved_" + Timestamp();
    for (int n = 1; n < 100; ++n) {
        std::wstring candidate = base + (n == 1 ? L"" : L"_" + std::to_wstring(n)) + L".dat";
        if (WriteNewFile(candidate, bytes)) {
            *written = candidate;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
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

std::wstring BackupPathIn(const std::wstring& programDir)
{
    return programDir + L"\\_backup.dat";
}
