// The file steps with the faults a test asked for. A process that "dies" ends at once with
// TerminateProcess, so that nothing of the program runs after that point, as after a kill.
#include "tests/app/faulty_file.h"

#include <algorithm>

#include "platform/file.h"
#include "platform/file_seam.h"

FileFaults g_fileFaults;

static std::wstring WithoutLongPrefix(const std::wstring& path)
{
    return path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path;
}

static bool IsReadOnlyFolder(const std::wstring& folder)
{
    return std::any_of(g_fileFaults.readOnlyFolders.begin(), g_fileFaults.readOnlyFolders.end(),
                       [&](const std::wstring& f) { return lstrcmpiW(f.c_str(), folder.c_str()) == 0; });
}

HANDLE CreateNewFileForWriting(const std::wstring& path)
{
    if (IsReadOnlyFolder(FolderOf(WithoutLongPrefix(path)))) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteFilePiece(HANDLE file, const char* data, DWORD size, DWORD* written)
{
    long long& room = g_fileFaults.diskRoom;
    if (room < 0 || size <= room) {
        bool ok = WriteFile(file, data, size, written, nullptr) != FALSE;
        if (ok && room >= 0) room -= *written;
        return ok;
    }
    // What fits goes to the disk, as it would; then the disk is full.
    DWORD fits = static_cast<DWORD>(room);
    if (fits > 0 && !WriteFile(file, data, fits, written, nullptr)) return false;
    room = 0;
    if (g_fileFaults.endWhenDiskFull) TerminateProcess(GetCurrentProcess(), kEndedByFault);
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return false;
}

void BeforeReplacing(const std::wstring&, const std::wstring&)
{
    if (g_fileFaults.endBeforeReplacing) TerminateProcess(GetCurrentProcess(), kEndedByFault);
}
