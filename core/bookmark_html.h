// Bookmark HTML, the file that every browser exports and imports: a reader of any browser's
// file, and the writer of the program's own.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/import_rules.h"

// The entries of a bookmark HTML file as lines relative to its top level (depth character '0'),
// for the caller to place under its new Book. A folder is an H3 heading with the DL list after
// it; a link is an A tag's HREF and text. Nesting follows the DL lists a heading opens; a DL
// without a heading adds no depth. Descriptions (DD), separators (HR), comments, other tags and
// attributes are passed over; names are case-insensitive, tags may be left unclosed, entities
// (&amp; &lt; &gt; &quot; &apos; &#N; &#xH;) are decoded.
// Links follow the import rules (AddImportLink): place: queries are left out, javascript: kept.
// The text is UTF-8 or code page 932: as the first META before the first DL names it, else UTF-8
// when all the bytes are valid UTF-8, else code page 932. A META naming another charset gives
// UnknownCharset with its name; a file with no DL, H3 or A tag at all gives NotReadable.
// Lines are to be used only when the status is Done.
ImportResult ReadBookmarkHtml(std::string_view bytes, const TextCodec& codec, size_t maxLines);

// `lines` (code page 932) as a bookmark HTML file in UTF-8 with its META line: folder lines
// (Books and Groups) as H3 folders holding the lines below them, every other line a link; text
// and URLs escaped. Empty lines are passed over. A character that stands for none in code page
// 932 is written as "?"; `*replaced` counts the texts that had one.
std::string WriteBookmarkHtml(const std::vector<std::string>& lines, const TextCodec& codec, size_t* replaced);
// The same handed to `write` a piece at a time, so that a large list's file is never held whole;
// false as soon as `write` is.
bool WriteBookmarkHtml(const std::vector<std::string>& lines, const TextCodec& codec, size_t* replaced,
                       const std::function<bool(std::string_view piece)>& write);
