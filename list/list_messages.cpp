// Message texts about the list file, in the language of the rest of the interface.
#include "list/list_messages.h"

#include "platform/load_text.h"
#include "platform/message_box.h"
#include "res/resource.h"

void ReportListLoad(HWND owner, ListLoad outcome, const std::wstring& path)
{
    std::wstring text;
    switch (outcome) {
    case ListLoad::Loaded:
    case ListLoad::Missing:
        return;
    case ListLoad::Unreadable:
        text = FormatText(IDS_LIST_UNREADABLE, {path});
        break;
    case ListLoad::TooManyLines:
        text = FormatText(IDS_LIST_TOO_BIG, {path});
        break;
    }
    ShowMessage(owner, text, MB_OK | MB_ICONWARNING);
}

void ReportListSave(HWND owner, const ListSave& save, const std::wstring& path)
{
    std::wstring text;
    if (!save.editedCopy.empty())
        text = FormatText(IDS_LIST_EDITED_ASIDE, {path, save.editedCopy});
    switch (save.result) {
    case ListSaveResult::Saved:
        if (text.empty()) return;
        text += LoadText(IDS_LIST_SAVED_OURS);
        break;
    case ListSaveResult::Untouched:
    case ListSaveResult::LeftAsEdited:
        return;
    case ListSaveResult::KeptAside:
        text += FormatText(IDS_LIST_NOT_OVERWRITTEN, {path}) + FormatText(IDS_LIST_SAVED_ASIDE, {save.sideFile});
        break;
    case ListSaveResult::Failed:
        text += FormatText(IDS_LIST_NOT_SAVED, {path});
        if (!save.sideFile.empty())
            text += FormatText(IDS_LIST_SAVED_ASIDE, {save.sideFile});
        else
            text += LoadText(IDS_LIST_NOWHERE_TO_SAVE);
        break;
    }
    ShowMessage(owner, text, MB_OK | MB_ICONWARNING);
}

void ReportLeftTemporaries(HWND owner, const std::vector<std::wstring>& kept)
{
    if (kept.empty()) return;
    std::wstring text = LoadText(IDS_LIST_SAVE_INTERRUPTED);
    for (const std::wstring& path : kept) text += L"\n" + path;
    ShowMessage(owner, text, MB_OK | MB_ICONWARNING);
}
