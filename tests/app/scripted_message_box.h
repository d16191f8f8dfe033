// What the scripted message box recorded, and the answers it will give.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include <windows.h>

struct ShownMessage {
    std::wstring text;
    UINT flags;
    std::wstring caption;
};

extern std::vector<ShownMessage> g_shownMessages;
extern std::deque<int> g_queuedAnswers;
