// Line list operations over a plain vector of byte strings.
#include "core/lines.h"

#include "core/entry_line.h"

LineList g_bookmarks;
LineList g_clip;

uint16_t EntryCount(const LineList& list)
{
    return static_cast<uint16_t>(list.lines.size() > kMaxLines ? kMaxLines : list.lines.size());
}

const std::string* GetLine(const LineList& list, size_t index)
{
    return index < list.lines.size() ? &list.lines[index] : nullptr;
}

bool HasRoomFor(const LineList& list, size_t more)
{
    return list.lines.size() <= kMaxLines && more <= kMaxLines - list.lines.size();
}

void AddLine(LineList& list, std::string line)
{
    list.lines.push_back(std::move(line));
}

void InsertLine(LineList& list, size_t index, std::string line)
{
    if (index > list.lines.size()) index = list.lines.size();
    list.lines.insert(list.lines.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

void InsertLines(LineList& list, size_t index, std::vector<std::string> run)
{
    if (index > list.lines.size()) index = list.lines.size();
    list.lines.insert(list.lines.begin() + static_cast<std::ptrdiff_t>(index),
                      std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
}

bool DeleteLine(LineList& list, size_t index)
{
    if (index >= list.lines.size()) return false;
    list.lines.erase(list.lines.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void ResetLines(LineList& list)
{
    list.lines.clear();
}

size_t SubtreeEnd(const LineList& list, size_t index)
{
    if (index >= list.lines.size()) return index;
    unsigned char depth = DepthCharOf(list.lines[index]);
    size_t j = index + 1;
    while (j < list.lines.size() && DepthCharOf(list.lines[j]) > depth) ++j;
    return j;
}

void RebaseLines(std::vector<std::string>& run, int delta)
{
    for (std::string& line : run)
        if (!line.empty()) line[0] = static_cast<char>(static_cast<unsigned char>(line[0]) + delta);
}
