// The common file dialogs, with wide paths of any length the dialog gives.
#include "platform/file_dialog.h"

#include <commdlg.h>

#include "platform/load_text.h"

// Room for the longest path the system takes.
static constexpr DWORD kPathCapacity = 32768;

static bool AskFile(HWND owner, const FileKind& kind, const wchar_t* defaultName, bool save, std::wstring* path)
{
    // The type list: pairs of name and patterns, each ended by a NUL, the list by one more.
    std::wstring filter = LoadText(kind.nameText) + L'\0' + kind.patterns + L'\0' + L'\0';
    std::wstring buffer(kPathCapacity, L'\0');
    if (defaultName) buffer.replace(0, wcslen(defaultName), defaultName);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = kPathCapacity;
    ofn.lpstrDefExt = kind.extension;
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return false;
    path->assign(buffer.c_str());
    return !path->empty();
}

bool AskFileToOpen(HWND owner, const FileKind& kind, std::wstring* path)
{
    return AskFile(owner, kind, nullptr, false, path);
}

bool AskFileToSave(HWND owner, const FileKind& kind, const wchar_t* defaultName, std::wstring* path)
{
    return AskFile(owner, kind, defaultName, true, path);
}
