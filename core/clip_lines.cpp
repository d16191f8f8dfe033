// Clipboard line work over plain vectors: ranges by the subtree rule, bulk copies and erases.
#include "core/clip_lines.h"

#include "core/cp932.h"
#include "core/entry_line.h"
#include "core/entry_rules.h"

LineRange EntryRange(const LineList& list, size_t index)
{
    if (index >= list.lines.size()) return {index, index};
    return {index, SubtreeEnd(list, index)};
}

LineRange LevelRange(const LineList& list, long parentIndex)
{
    if (parentIndex == kTopLevel) {
        size_t end = 0;
        while (end < list.lines.size() && DepthCharOf(list.lines[end]) >= kTopDepthChar) ++end;
        return {0, end};
    }
    size_t parent = static_cast<size_t>(parentIndex);
    if (parentIndex < 0 || parent >= list.lines.size()) return {};
    return {parent + 1, SubtreeEnd(list, parent)};
}

bool StopsAtGap(const LineList& list, LineRange range)
{
    return range.end + 1 < list.lines.size() && DepthCharOf(list.lines[range.end]) < kTopDepthChar;
}

unsigned char EntryTopDepth(const LineList& list, size_t index)
{
    return index < list.lines.size() ? DepthCharOf(list.lines[index]) : kTopDepthChar;
}

unsigned char LevelTopDepth(const LineList& list, long parentIndex)
{
    if (parentIndex < 0 || static_cast<size_t>(parentIndex) >= list.lines.size()) return kTopDepthChar;
    return static_cast<unsigned char>(DepthCharOf(list.lines[static_cast<size_t>(parentIndex)]) + 1);
}

std::vector<std::string> ClipLinesOf(const LineList& list, LineRange range, unsigned char topDepth)
{
    if (range.empty()) return {};
    std::vector<std::string> clip(list.lines.begin() + static_cast<std::ptrdiff_t>(range.first),
                                  list.lines.begin() + static_cast<std::ptrdiff_t>(range.end));
    RebaseLines(clip, kTopDepthChar - topDepth);
    return clip;
}

std::vector<std::string> CutClipLines(LineList& list, LineRange range, unsigned char topDepth)
{
    if (range.empty()) return {};
    std::vector<std::string> clip(list.lines.begin() + static_cast<std::ptrdiff_t>(range.first),
                                  list.lines.begin() + static_cast<std::ptrdiff_t>(range.end));
    EraseLines(list, range.first, range.end);
    RebaseLines(clip, kTopDepthChar - topDepth);
    return clip;
}

// A top entry's line as its title and what follows it: the folder mark, the comma and URL,
// or nothing for a line outside the format (kept so, with only its title changed).
static void SplitTopLine(const std::string& line, std::string* title, std::string* tail)
{
    std::string_view rest = std::string_view(line).substr(1);
    size_t end = IsFolderLine(line) ? rest.size() - 1 : Find932(rest, kUrlSeparator);
    if (end == std::string_view::npos) end = rest.size();
    title->assign(rest.substr(0, end));
    tail->assign(rest.substr(end));
}

std::optional<std::vector<std::string>> MakePasteLines(const std::vector<std::string>& clip, int shift,
                                                       const TitleClaim& claim)
{
    std::vector<std::string> lines;
    lines.reserve(clip.size());
    std::string title, tail;
    for (const std::string& line : clip) {
        if (!line.empty() && DepthCharOf(line) + shift > 0xFF) return std::nullopt;
        if (DepthCharOf(line) != kTopDepthChar) {
            lines.push_back(line);
            continue;
        }
        SplitTopLine(line, &title, &tail);
        lines.push_back(kTopDepthChar + FirstClaimedTitle(title, claim) + tail);
    }
    RebaseLines(lines, shift);
    return lines;
}
