// Answers the program's real modal dialogs from a timer that runs inside their message loop:
// each step fills fields and presses a button of the dialog that is open at that moment. The
// benchmarks answer at once instead, as each dialog comes up.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

struct DialogStep {
    std::optional<std::wstring> title;   // text for the title field (1011), when set
    std::optional<std::wstring> url;     // text for the URL field (1012), when set
    int button = IDOK;
    std::map<int, std::wstring> texts;   // any other field: control ID and text
    std::map<int, bool> checks;          // check boxes: control ID and state

    DialogStep(std::optional<std::wstring> title = std::nullopt, std::optional<std::wstring> url = std::nullopt,
               int button = IDOK)
        : title(std::move(title)), url(std::move(url)), button(button)
    {
    }
    DialogStep& Text(int id, std::wstring text)
    {
        texts[id] = std::move(text);
        return *this;
    }
    DialogStep& Check(int id, bool checked)
    {
        checks[id] = checked;
        return *this;
    }
};

// The usual steps: OK with the entry fields filled (each left alone when null), and Cancel.
inline DialogStep Ok(const wchar_t* title = nullptr, const wchar_t* url = nullptr)
{
    return {title ? std::optional<std::wstring>(title) : std::nullopt, url ? std::optional<std::wstring>(url) : std::nullopt};
}
inline DialogStep Cancel() { return {std::nullopt, std::nullopt, IDCANCEL}; }

// What the driver saw of each dialog when it took a step (before the step changed it).
struct SeenDialog {
    std::wstring caption;
    std::wstring title;   // the entry dialogs' fields
    std::wstring url;
    HWND window = nullptr;
    HWND owner = nullptr;
    std::map<int, std::wstring> edits;   // every edit field's text by control ID
    std::map<int, std::wstring> texts;   // every control's text by control ID
    std::map<int, bool> checks;          // every check box's state by control ID
    std::vector<std::wstring> labels;    // texts of the static controls, in order
    int icons = 0;                       // static controls that show an icon
};

// Queues steps; they are taken one per timer tick while a dialog is open (and, `atOnce`, as a
// dialog is initialised). A dialog found with no step left is cancelled (and counted in
// g_unplannedDialogs).
void ScriptDialogs(std::vector<DialogStep> steps, bool atOnce = false);
void StopDialogScript();

extern std::vector<SeenDialog> g_seenDialogs;
extern int g_unplannedDialogs;

// Sends a command to the main window with the dialog script running, then stops it.
void RunCommand(WORD command);
