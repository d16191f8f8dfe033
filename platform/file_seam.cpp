// The program's file steps: the plain calls, with nothing in between.
#include "platform/file_seam.h"

HANDLE CreateNewFileForWriting(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteFilePiece(HANDLE file, const char* data, DWORD size, DWORD* written)
{
    return WriteFile(file, data, size, written, nullptr) != FALSE;
}

void BeforeReplacing(const std::wstring&, const std::wstring&) {}
