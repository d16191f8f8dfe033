// The save that runs at every exit: window state and settings, the list file, the backup, the day's copy.
#pragma once

// Whether the save may show a message: never while the session ends.
enum class SaveUi { Allowed, None };

void RunExitSave(SaveUi ui);
