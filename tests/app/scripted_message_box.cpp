// The message box as the tests see it: every message is recorded, and questions take the
// answers a test has queued (IDOK when none is queued).
#include "tests/app/scripted_message_box.h"

#include "platform/message_box.h"

std::vector<ShownMessage> g_shownMessages;
std::deque<int> g_queuedAnswers;

int ShowMessage(HWND, const std::wstring& text, UINT flags, const wchar_t* caption)
{
    g_shownMessages.push_back({text, flags, caption});
    if (g_queuedAnswers.empty()) return IDOK;
    int answer = g_queuedAnswers.front();
    g_queuedAnswers.pop_front();
    return answer;
}
