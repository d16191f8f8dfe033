// Undo and redo: the changes each command made to the bookmark list in this run, kept as the
// line ranges it removed and inserted (see LineChange), never as copies of the list.
#pragma once
#include <cstddef>
#include <vector>

#include "core/lines.h"

struct UndoHistory {
    std::vector<std::vector<LineChange>> done;     // one step per command, the newest last
    std::vector<std::vector<LineChange>> undone;   // steps taken back, the newest last
    std::vector<LineChange> open;                  // the changes of the command running now
    int depth = 0;                                 // commands running inside one another
};

extern UndoHistory g_history;   // of g_bookmarks

// A command begins: the list's changes are recorded until the matching EndStep. A command run
// inside another (from a dialog's message loop) joins the outer one's step.
void BeginStep(UndoHistory& history, LineList& list);
// The outermost command ends: its changes, if any, become the newest step, and what was taken
// back can no longer be made again.
void EndStep(UndoHistory& history, LineList& list);
// The list was read anew or saved at exit: nothing before can be taken back.
void ClearHistory(UndoHistory& history);

// Takes back the newest step, or makes the newest step taken back again; false when there is
// none, and while a running command has changed the list, so they never cut into its changes.
// `touched` is the line the step changed last, for the caret (the last line when that one is
// gone; -1 for an empty list).
bool UndoStep(UndoHistory& history, LineList& list, long* touched);
bool RedoStep(UndoHistory& history, LineList& list, long* touched);

// The bytes the kept steps hold, for the benchmark's figure.
size_t HistoryBytes(const UndoHistory& history);
