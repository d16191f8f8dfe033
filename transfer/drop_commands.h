// What a drop on the tree adds: a link from a browser or a text, or the shortcut files and
// folders of a file window, put where PutLinesOn puts lines.
#pragma once
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "core/drop_data.h"

// Adds `link` as a URL entry on `target` (null: the end of the top level), as a typed entry
// without a title would be when it has none. Title characters without a CP932 form become "?",
// counted in one message; a URL that MakeUrlStorable refuses is refused with the reason.
void DropLink(HWND hwnd, const DroppedLink& link, HTREEITEM target);

// Adds the files at `paths` on `target`: a shortcut file as the Favorites import reads one, a
// folder as one group read as the import reads a folder. Other files are refused; one message
// counts them with what the reading had to change.
void DropFiles(HWND hwnd, const std::vector<std::wstring>& paths, HTREEITEM target);

// Whether DropFiles would take any of `paths`: a folder or a shortcut file among them.
bool AnyDroppableFile(const std::vector<std::wstring>& paths);
