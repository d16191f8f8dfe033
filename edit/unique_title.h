// Sibling titles stay unique: a new or renamed entry whose title a sibling already has gets
// the first free "(2)", "(3)", ... suffix.
#pragma once
#include <string>
#include <string_view>
#include <unordered_set>

#include <windows.h>
#include <commctrl.h>

// The texts of the children of `parent` (the top level for null), as the tree shows them;
// without `except`'s, an entry that is leaving that level.
std::unordered_set<std::wstring> ChildTitles(HTREEITEM parent, HTREEITEM except = nullptr);

// Replaces `title` by the first of title, title(2), title(3), ... that is free among the
// children of `parent`. False, with `title` unchanged, when that form would not fit a field.
bool MakeUniqueTitle(HTREEITEM parent, std::string& title);
