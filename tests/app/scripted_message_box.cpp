// Stands in for platform/message_box.cpp and platform/file_dialog.cpp in the tests.
#include "tests/app/scripted_message_box.h"

#include "platform/file_dialog.h"
#include "platform/message_box.h"

int ShowMessage(HWND, const std::wstring& text, UINT flags, const wchar_t* caption)
{
    g_shownMessages.push_back({text, flags, caption});
    int answer = g_queuedAnswers.empty() ? IDOK : g_queuedAnswers.front();
    if (!g_queuedAnswers.empty()) g_queuedAnswers.pop_front();
    return answer;
}

bool AskFileToOpen(HWND, const FileKind&, std::wstring* path)
{
    if (g_queuedFiles.empty()) return false;
    *path = g_queuedFiles.front();
    g_queuedFiles.pop_front();
    return true;
}

bool AskFileToSave(HWND owner, const FileKind& kind, const wchar_t* defaultName, std::wstring* path)
{
    g_saveDefaultName = defaultName;
    return AskFileToOpen(owner, kind, path);
}
