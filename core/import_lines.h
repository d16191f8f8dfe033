// The lines of the Favorites import: one new Book holding the Favorites folder, every
// sub-folder a Group and every shortcut a URL entry, built in one depth-first pass.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One entry of a folder as the folder reader reports it, in the order the listing gave.
struct FolderEntry {
    std::string name;     // CP932: a folder's name, or a shortcut's file name
    bool folder = false;
    std::wstring path;    // a folder's full path, to read it in its turn
    std::string url;      // a shortcut's URL
};

// Reads one folder: its sub-folders and shortcuts, nothing else. Empty when it cannot be read.
using FolderReader = std::function<std::vector<FolderEntry>(const std::wstring& path)>;

// The Book line with `bookTitle`, then the entries of `favorites` in listing order, each
// folder followed by its own entries in the reverse of their listing order, and so on down.
// Shortcuts are titled by ShortcutTitle; titles are made unique among their siblings with
// the "(2)", "(3)" suffixes. Depth characters go on past '9' in code order and stay at the
// last byte value once there. False, with the lines made so far, as soon as there would be
// more than `maxLines` lines; the reading stops there.
bool BuildImportLines(std::string_view bookTitle, const std::wstring& favorites, const FolderReader& read,
                      size_t maxLines, std::vector<std::string>* lines);
