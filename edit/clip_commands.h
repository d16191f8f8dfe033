// Copy, cut and paste of whole subtrees through the internal clipboard (g_clip). Copy and cut
// take the selected entry, or every entry on its level, with everything below; paste puts the
// clip first below the selected folder or at the end of the list.
#pragma once
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

void OnCopy();
void OnCopyAdd();     // adds to what the clipboard holds
void OnCopyLevel();
void OnCut();
void OnCutAdd();      // adds to what the clipboard holds
void OnCutLevel();
void OnPaste(HWND hwnd);
void OnPasteRoot(HWND hwnd);

// Puts `lines` (depths relative, top entries at '0') on `target` as a drop puts them: on a folder
// as its first children, on a URL entry right after it among its siblings, on no item (null) at
// the end of the top level. Their top titles are made unique there; their items are shown and the
// first selected. False, with the user told, when the list has no room or they would be too deep.
bool PutLinesOn(HWND hwnd, const std::vector<std::string>& lines, HTREEITEM target);

// Moves the entry of `item` with its subtree onto `target` as PutLinesOn puts lines, the internal
// clipboard untouched, and selects it. False, with nothing changed, when `target` is the item or
// lies below it, or either line is not found.
bool MoveEntryOnto(HWND hwnd, HTREEITEM item, HTREEITEM target);
