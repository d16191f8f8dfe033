// The file steps with the faults a test asked for; a process that "dies" is terminated, as by a kill.
#include "tests/app/faulty_file.h"

#include "platform/file.h"
#include "platform/file_seam.h"

FileFaults g_fileFaults;

HANDLE CreateNewFileForWriting(const std::wstring& path)
{
    std::wstring folder = FolderOf(path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path);
    for (const std::wstring& f : g_fileFaults.readOnlyFolders)
        if (lstrcmpiW(f.c_str(), folder.c_str()) == 0) {
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
    if (room > 0 && !WriteFile(file, data, static_cast<DWORD>(room), written, nullptr)) return false;
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
