// File reads and the write-flush-replace sequence that never deletes before writing.
#include "platform/file.h"

#include <algorithm>

#include "platform/file_seam.h"
#include "platform/handle.h"

std::wstring LongPathForm(const std::wstring& path)
{
    bool driveAbsolute = path.size() > 2 && path[1] == L':' && path[2] == L'\\';
    if (path.size() < MAX_PATH - 12 || !driveAbsolute) return path;
    return L"\\\\?\\" + path;
}

std::wstring FolderOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring FileNameOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

ReadResult ReadWholeFile(const std::wstring& path, size_t maxBytes, std::string* bytes, DWORD share)
{
    FileHandle file(CreateFileW(LongPathForm(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        DWORD error = GetLastError();
        return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) ? ReadResult::Missing
                                                                               : ReadResult::Unreadable;
    }
    // A name may also open a device (NUL, CON, COM1, ...), whose reading may never end.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return ReadResult::Unreadable;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return ReadResult::Unreadable;
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return ReadResult::TooLarge;
    std::string data(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < data.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 24));
        DWORD got = 0;
        if (!ReadFile(file.get(), data.data() + done, chunk, &got, nullptr)) return ReadResult::Unreadable;
        if (got == 0) break;   // the file shrank while we read: keep what is there
        done += got;
    }
    data.resize(done);
    *bytes = std::move(data);
    return ReadResult::Read;
}

static bool WriteAll(HANDLE file, std::string_view bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFilePiece(file, bytes.data() + done, chunk, &written) || written == 0) return false;
        done += written;
    }
    return true;
}

static bool WriteAndFlush(HANDLE file, std::string_view bytes)
{
    return WriteAll(file, bytes) && FlushFileBuffers(file);
}

// Temporary files are named "~larkit-<process>-<attempt>.tmp": short, because the file's own
// name may already be as long as a name can be.
static constexpr wchar_t kTempPrefix[] = L"~larkit-";
static constexpr wchar_t kTempSuffix[] = L".tmp";

// Creates a file that did not exist beside `path`; its name is returned in `tempPath`.
static FileHandle CreateTempBeside(const std::wstring& path, std::wstring* tempPath)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::wstring candidate = FolderOf(path) + L"\\" + kTempPrefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(attempt) + kTempSuffix;
        FileHandle file(CreateNewFileForWriting(LongPathForm(candidate)));
        if (file.valid()) {
            *tempPath = candidate;
            return file;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return FileHandle();
}

bool ReplaceFileSafely(const std::wstring& path, const std::string& bytes, std::wstring* keptCopy)
{
    return ReplaceFileSafelyInPieces(path, [&bytes](const PieceWriter& write) { return write(bytes); }, keptCopy);
}

bool ReplaceFileSafelyInPieces(const std::wstring& path, const std::function<bool(const PieceWriter&)>& produce,
                               std::wstring* keptCopy)
{
    keptCopy->clear();
    std::wstring tempPath;
    FileHandle temp = CreateTempBeside(path, &tempPath);
    if (!temp.valid()) return false;
    bool written = produce([&temp](std::string_view piece) { return WriteAll(temp.get(), piece); }) &&
                   FlushFileBuffers(temp.get());
    DWORD error = GetLastError();
    temp.reset();
    if (!written) {
        (void)DeleteFileW(LongPathForm(tempPath).c_str());
        SetLastError(error);
        return false;
    }
    BeforeReplacing(tempPath, path);
    if (MoveFileExW(LongPathForm(tempPath).c_str(), LongPathForm(path).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *keptCopy = tempPath;
    return false;
}

bool CopyFileSafely(const std::wstring& from, const std::wstring& to, size_t maxBytes)
{
    std::string bytes;
    if (ReadWholeFile(from, maxBytes, &bytes, FILE_SHARE_READ) != ReadResult::Read) return false;
    std::wstring keptCopy;
    if (ReplaceFileSafely(to, bytes, &keptCopy)) return true;
    DWORD error = GetLastError();
    if (!keptCopy.empty()) (void)DeleteFileW(LongPathForm(keptCopy).c_str());
    SetLastError(error);
    return false;
}

std::vector<std::wstring> TemporaryFilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data;
    std::wstring pattern = folder + L"\\" + kTempPrefix + L"*" + kTempSuffix;
    HANDLE find = FindFirstFileW(LongPathForm(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return found;
    do {
        // The pattern may also match through a short name: the long name decides.
        std::wstring name = data.cFileName;
        bool named = name.size() > wcslen(kTempSuffix) && name.rfind(kTempPrefix, 0) == 0 &&
                     name.compare(name.size() - wcslen(kTempSuffix), std::wstring::npos, kTempSuffix) == 0;
        if (named && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) found.push_back(folder + L"\\" + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return found;
}

bool WriteNewFile(const std::wstring& path, const std::string& bytes)
{
    FileHandle file(CreateNewFileForWriting(LongPathForm(path)));
    if (!file.valid()) return false;
    bool ok = WriteAndFlush(file.get(), bytes);
    DWORD error = GetLastError();
    file.reset();
    if (!ok) {
        (void)DeleteFileW(LongPathForm(path).c_str());
        SetLastError(error);
    }
    return ok;
}
