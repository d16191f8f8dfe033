// Stands in for platform/message_box.cpp in the tests.
#include "tests/app/scripted_message_box.h"

#include "platform/message_box.h"

int ShowMessage(HWND, const std::wstring& text, UINT flags, const wchar_t* caption)
{
    g_shownMessages.push_back({text, flags, caption});
    int answer = g_queuedAnswers.empty() ? IDOK : g_queuedAnswers.front();
    if (!g_queuedAnswers.empty()) g_queuedAnswers.pop_front();
    return answer;
}
