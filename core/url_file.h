// Internet shortcut files (".url"): which file names are shortcuts, the title a shortcut gets,
// and the URL it holds.
#pragma once
#include <string>
#include <string_view>

// True when the name, with its single-byte letters lowered, contains ".url" anywhere
// ("News.URL", "notes.url.txt").
bool IsShortcutName(std::string_view name);

// The title of a shortcut: its name up to the last '.', with every comma made the full-width
// comma so that the title cannot run into the URL of its line.
std::string ShortcutTitle(std::string_view name);

// The URL in the file's bytes. NUL bytes are dropped first, as the list file drops them, so
// that the URL can stand in a line. Lines end at CR, LF or CR LF. The value of the last line that
// starts with "URL=" wins; a file without one takes the text after the first "URL=" of the
// last line that holds it anywhere. Empty when no line holds "URL=".
std::string ShortcutUrl(std::string_view bytes);
