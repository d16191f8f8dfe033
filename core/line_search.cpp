// The text search over whole lines: depth character, title and URL or folder mark alike.
#include "core/line_search.h"

#include <string>

#include "core/cp932.h"

long FindLineContaining(const LineList& list, size_t from, std::string_view text, bool foldCase)
{
    std::string folded;
    for (size_t i = from; i < list.lines.size(); ++i) {
        std::string_view line = list.lines[i];
        if (foldCase) {
            folded.assign(line);
            LowerAsciiInPlace(folded);
            line = folded;
        }
        if (FindText932(line, text) != std::string_view::npos) return static_cast<long>(i);
    }
    return -1;
}
