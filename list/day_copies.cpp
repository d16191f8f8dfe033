// The dated copies on disk: written through the safe replace, found by their name form only.
#include "list/day_copies.h"

#include "core/day_copies.h"
#include "list/list_file.h"
#include "platform/file.h"

std::wstring CopyFolderOf(const std::wstring& listFile) { return FolderOf(listFile) + L"\\backup"; }

static CopyDate Now()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// The folder, made when missing. A file of that name is no folder: false then.
static bool HaveFolder(const std::wstring& folder)
{
    if (CreateDirectoryW(LongPathForm(folder).c_str(), nullptr)) return true;
    DWORD attributes = GetFileAttributesW(LongPathForm(folder).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> CopiesIn(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(LongPathForm(folder + L"\\*.dat").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return CopiesNewestFirst(names);
}

bool PruneCopies(const std::wstring& listFile, DWORD keepDays)
{
    if (keepDays == 0) return true;
    std::wstring folder = CopyFolderOf(listFile);
    bool allGone = true;
    for (const std::wstring& name : CopiesToPrune(CopiesIn(folder), keepDays))
        allGone = DeleteFileW(LongPathForm(folder + L"\\" + name).c_str()) && allGone;
    return allGone;
}

bool WriteDayCopy(const std::wstring& listFile, DWORD keepDays)
{
    if (keepDays == 0) return true;
    std::wstring folder = CopyFolderOf(listFile);
    if (!HaveFolder(folder) || !CopyFileSafely(listFile, folder + L"\\" + DayCopyName(Now()), kMaxListFileBytes))
        return false;
    return PruneCopies(listFile, keepDays);
}

// The first name of a before-restore copy at `when` that no file has.
static std::wstring FreeBeforeRestorePath(const std::wstring& folder, const CopyDate& when)
{
    for (unsigned serial = 1; serial <= kMaxSameSecond; ++serial) {
        std::wstring path = folder + L"\\" + BeforeRestoreName(when, serial);
        if (GetFileAttributesW(LongPathForm(path).c_str()) == INVALID_FILE_ATTRIBUTES &&
            GetLastError() == ERROR_FILE_NOT_FOUND)
            return path;
    }
    return {};
}

std::wstring KeepBeforeRestore(const std::wstring& listFile, const std::string& bytes)
{
    std::wstring folder = CopyFolderOf(listFile);
    if (!HaveFolder(folder)) return {};
    std::wstring path = FreeBeforeRestorePath(folder, Now()), keptCopy;
    if (!path.empty() && ReplaceFileSafely(path, bytes, &keptCopy)) return path;
    if (!keptCopy.empty()) (void)DeleteFileW(LongPathForm(keptCopy).c_str());
    return {};
}
