// Answers the program's real modal dialogs from a timer inside their loop: each step fills fields
// and presses a button of the dialog open at that moment.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

struct DialogStep {
    std::optional<std::wstring> title;   // the entry dialogs' title field (1011), when set
    std::optional<std::wstring> url;     // and URL field (1012)
    int button = IDOK;
    std::map<int, std::wstring> texts;   // any other field by control ID
    std::map<int, bool> checks;          // check boxes by control ID
    std::map<int, int> picks;            // list box selections by control ID
    DialogStep(std::optional<std::wstring> t = {}, std::optional<std::wstring> u = {}, int b = IDOK)
        : title(std::move(t)), url(std::move(u)), button(b) {}
    DialogStep& Text(int id, std::wstring text) { return texts[id] = std::move(text), *this; }
    DialogStep& Check(int id, bool checked) { return checks[id] = checked, *this; }
    DialogStep& Pick(int id, int index) { return picks[id] = index, *this; }
};

// OK with the entry fields filled (each left alone when null), and Cancel.
inline DialogStep Ok(const wchar_t* title = nullptr, const wchar_t* url = nullptr)
{
    return {title ? std::optional<std::wstring>(title) : std::nullopt, url ? std::optional<std::wstring>(url) : std::nullopt};
}
inline DialogStep Cancel() { return {std::nullopt, std::nullopt, IDCANCEL}; }

// What the driver saw of each dialog before its step changed it.
struct SeenDialog {
    std::wstring caption, title;         // title: the entry dialogs' title field
    std::map<int, std::wstring> texts;   // every control's text by control ID
    std::map<int, bool> checks;          // every check box's state by control ID
    std::map<int, std::vector<std::wstring>> items;   // every list box's items by control ID
};
inline std::vector<SeenDialog> g_seenDialogs;
inline int g_unplannedDialogs = 0;

// Queues steps, one per timer tick while a dialog is open; a dialog with no step left is cancelled
// and counted. AnswerDialog takes the next step in `dlg` now (the benchmarks' hook, with `post`).
void ScriptDialogs(std::vector<DialogStep> steps);
void AnswerDialog(HWND dlg, bool post);
void StopDialogScript();

// Sends a command to the main window with the dialog script running, then stops it.
void RunCommand(WORD command);
