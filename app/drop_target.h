// Drag and drop on the tree: the OLE drop target registered on it, which takes links and files
// from other programs and entries dragged inside the tree, and the drag of an entry.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

// OleInitialize on this (the UI) thread, then RegisterDragDrop on the tree. Without them the
// tree takes no drops; nothing else changes.
void RegisterTreeDropTarget();
// At exit: RevokeDragDrop, then OleUninitialize when OleInitialize succeeded.
void RevokeTreeDropTarget();

// The target while it is registered (null otherwise), as OLE calls it.
IDropTarget* TreeDropTarget();

// A data object that offers each format with its bytes in global memory (TYMED_HGLOBAL).
// The caller owns the one reference.
IDataObject* MakeDataObject(std::vector<std::pair<CLIPFORMAT, std::string>> formats);

// The data object of a drag of `item`'s entry: the private format naming this process and the
// entry's line, which only this tree's target reads. Null when the item's line is not found.
IDataObject* MakeEntryDragData(HTREEITEM item);

// TVN_BEGINDRAG: drags the entry; the target moves it where it is dropped. Esc, or a drop
// anywhere else, changes nothing.
void OnTreeBeginDrag(const NMTREEVIEWW& info);
