// Line list operations over a plain vector of byte strings.
#include "core/lines.h"

#include <algorithm>

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

static std::vector<std::string>::iterator LineAt(LineList& list, size_t index)
{
    return list.lines.begin() + static_cast<std::ptrdiff_t>(index);
}

static void Record(LineList& list, size_t at, size_t count, std::vector<std::string> replaced)
{
    if (list.journal && (count > 0 || !replaced.empty())) list.journal->push_back({at, count, std::move(replaced)});
}

void AddLine(LineList& list, std::string line)
{
    InsertLine(list, list.lines.size(), std::move(line));
}

void InsertLine(LineList& list, size_t index, std::string line)
{
    index = std::min(index, list.lines.size());
    list.lines.insert(LineAt(list, index), std::move(line));
    Record(list, index, 1, {});
}

void InsertLines(LineList& list, size_t index, std::vector<std::string> run)
{
    index = std::min(index, list.lines.size());
    size_t count = run.size();
    list.lines.insert(LineAt(list, index), std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
    Record(list, index, count, {});
}

bool DeleteLine(LineList& list, size_t index)
{
    if (index >= list.lines.size()) return false;
    EraseLines(list, index, index + 1);
    return true;
}

void EraseLines(LineList& list, size_t first, size_t end)
{
    std::vector<std::string> erased;
    if (list.journal) erased.assign(std::make_move_iterator(LineAt(list, first)), std::make_move_iterator(LineAt(list, end)));
    list.lines.erase(LineAt(list, first), LineAt(list, end));
    Record(list, first, 0, std::move(erased));
}

void ReplaceLine(LineList& list, size_t index, std::string text)
{
    if (list.lines[index] == text) return;
    std::swap(list.lines[index], text);
    Record(list, index, 1, {std::move(text)});
}

bool SwapChange(LineList& list, LineChange& change)
{
    if (change.at > list.lines.size() || change.count > list.lines.size() - change.at) return false;
    // Lines that stand in both swap in place; only the longer side's rest moves.
    size_t both = std::min(change.count, change.lines.size()), stored = change.lines.size();
    for (size_t i = 0; i < both; ++i) std::swap(list.lines[change.at + i], change.lines[i]);
    auto listRest = LineAt(list, change.at + both), listEnd = LineAt(list, change.at + change.count);
    auto storedRest = change.lines.begin() + static_cast<std::ptrdiff_t>(both);
    if (change.count > both) {
        change.lines.insert(change.lines.end(), std::make_move_iterator(listRest), std::make_move_iterator(listEnd));
        list.lines.erase(listRest, listEnd);
    } else {
        list.lines.insert(listRest, std::make_move_iterator(storedRest), std::make_move_iterator(change.lines.end()));
        change.lines.erase(storedRest, change.lines.end());
    }
    change.count = stored;
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
