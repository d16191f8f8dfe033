// The message box as the tests see it: each message recorded; questions take the queued answers (IDOK when none).
// The file dialogs too: each takes the next queued path, none cancels; the save dialog's default name is kept.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include <windows.h>

struct ShownMessage { std::wstring text; UINT flags; std::wstring caption; };
inline std::vector<ShownMessage> g_shownMessages;
inline std::deque<int> g_queuedAnswers;
inline std::deque<std::wstring> g_queuedFiles;
inline std::wstring g_saveDefaultName;
