// Searches over the bookmark list: the one that maps a path of titles to lines, one depth at
// a time, and the text search of find.
#pragma once
#include <cstddef>
#include <string_view>

#include "core/entry_line.h"
#include "core/lines.h"

// The first line after `start` whose depth character is `depthChar` and whose title satisfies
// `matches`: the search runs to the end of the list, then from line 0 up to and including
// `start`. A `start` of -1 searches the whole list from line 0. Returns the index, or -1.
template <class TitleMatch>
long FindLineAtDepth(const LineList& list, long start, unsigned char depthChar, TitleMatch matches)
{
    const size_t count = list.lines.size();
    size_t first = (start < 0 || static_cast<size_t>(start) >= count) ? 0 : static_cast<size_t>(start) + 1;
    for (size_t step = 0; step < count; ++step) {
        size_t i = (first + step) % count;
        const std::string& line = list.lines[i];
        if (DepthCharOf(line) == depthChar && matches(LineTitle(line))) return static_cast<long>(i);
    }
    return -1;
}

// The index of the first line at or after `from` that contains `text` starting on a character
// boundary (the empty text is in every line), or -1. With `foldCase` the single-byte letters
// of each line are lowered before the comparison; `text` is then expected lowered already.
long FindLineContaining(const LineList& list, size_t from, std::string_view text, bool foldCase);
