// Answers the program's real modal dialogs from a timer that runs inside their message loop:
// each step fills fields and presses a button of the dialog that is open at that moment.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

struct DialogStep {
    std::optional<std::wstring> title;   // text for the title field (1011), when set
    std::optional<std::wstring> url;     // text for the URL field (1012), when set
    int button = IDOK;
    std::map<int, std::wstring> texts = {};   // any other control id -> text to set
    std::map<int, bool> checks = {};         // check box id -> checked or cleared
};

// What the driver saw of each dialog when it took a step.
struct SeenDialog {
    std::wstring caption;
    std::wstring title;   // the fields as the dialog showed them before the step
    std::wstring url;
    std::map<int, std::wstring> texts;   // every control's text, by control id
    std::map<int, bool> checks;          // every check box, by control id
};

// Queues steps; they are taken one per timer tick while a dialog is open. A dialog found
// with no step left is cancelled (and counted in g_unplannedDialogs).
void ScriptDialogs(std::vector<DialogStep> steps);
void StopDialogScript();

extern std::vector<SeenDialog> g_seenDialogs;
extern int g_unplannedDialogs;

// Sends a command to the main window with the dialog script running, then stops it.
void RunCommand(WORD command);
