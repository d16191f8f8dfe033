// Copy, cut and paste of whole subtrees through the internal clipboard (g_clip). Copy and cut
// take the selected entry, or every entry on its level, with everything below; paste puts the
// clip first below the selected folder or at the end of the list.
#pragma once
#include <windows.h>

void OnCopy();
void OnCopyAdd();     // adds to what the clipboard holds
void OnCopyLevel();
void OnCut();
void OnCutAdd();      // adds to what the clipboard holds
void OnCutLevel();
void OnPaste(HWND hwnd);
void OnPasteRoot(HWND hwnd);
