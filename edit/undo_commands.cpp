// Undo and redo over the core's history, shown by a rebuild of the tree.
#include "edit/undo_commands.h"

#include "core/undo_history.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

HistoryStep::HistoryStep() { BeginStep(g_history, g_bookmarks); }
HistoryStep::~HistoryStep() { EndStep(g_history, g_bookmarks); }

// A step may touch any part of the list, so the tree is built again rather than patched.
static void ShowStep(long touched)
{
    SelectItem(RebuildTree(touched < 0 ? 0xFFFFul : static_cast<unsigned long>(touched)));
}

void OnUndo()
{
    long touched;
    if (UndoStep(g_history, g_bookmarks, &touched)) ShowStep(touched);
}

void OnRedo()
{
    long touched;
    if (RedoStep(g_history, g_bookmarks, &touched)) ShowStep(touched);
}
