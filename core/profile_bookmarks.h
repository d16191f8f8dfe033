// The bookmarks of one Chrome or Edge profile: its `Bookmarks` file (JSON, UTF-8) as the lines
// of one Book.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/import_rules.h"

// The Book line (depth '0', `bookTitle` in code page 932 as it is), then the bookmark bar, the
// other bookmarks and the mobile bookmarks as Groups named as the file names them (by their
// key when unnamed), each holding its folders and links in the browser's order. Nodes of
// another type or shape are passed over. NotReadable when the bytes are no JSON object with
// "roots"; TooManyLines past `maxLines` lines.
ImportResult ReadProfileBookmarks(std::string_view json, std::string_view bookTitle, const TextCodec& codec,
                                  size_t maxLines);
