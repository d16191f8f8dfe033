// The undo history over the line list's journal.
#include "core/undo_history.h"

#include <algorithm>
#include <string>
#include <utility>

UndoHistory g_history;

void BeginStep(UndoHistory& history, LineList& list)
{
    if (history.depth++ == 0) list.journal = &history.open;
}

void EndStep(UndoHistory& history, LineList& list)
{
    if (--history.depth > 0) return;
    list.journal = nullptr;
    if (history.open.empty()) return;
    history.done.push_back(std::exchange(history.open, {}));
    history.undone.clear();
}

void ClearHistory(UndoHistory& history)
{
    history.done.clear();
    history.undone.clear();
    history.open.clear();
}

// Swaps the changes of the newest step of `from` in `order` and moves it onto `to`. A step
// that no longer fits the list (which only an unrecorded change could cause) is put back as it
// was and ends the history, rather than mixing lines.
template <typename Order>
static bool SwapNewestStep(UndoHistory& history, LineList& list, std::vector<std::vector<LineChange>>& from,
                           std::vector<std::vector<LineChange>>& to, Order order, long* touched)
{
    if (!history.open.empty() || from.empty()) return false;
    std::vector<LineChange>& step = from.back();
    for (auto change = order.first(step); change != order.last(step); ++change) {
        if (SwapChange(list, *change)) {
            *touched = static_cast<long>(change->at);
            continue;
        }
        while (change != order.first(step)) (void)SwapChange(list, *--change);
        ClearHistory(history);
        return false;
    }
    to.push_back(std::move(step));
    from.pop_back();
    *touched = std::min(*touched, static_cast<long>(list.lines.size()) - 1);
    return true;
}

bool UndoStep(UndoHistory& history, LineList& list, long* touched)
{
    struct Backwards {
        static auto first(std::vector<LineChange>& s) { return s.rbegin(); }
        static auto last(std::vector<LineChange>& s) { return s.rend(); }
    };
    return SwapNewestStep(history, list, history.done, history.undone, Backwards(), touched);
}

bool RedoStep(UndoHistory& history, LineList& list, long* touched)
{
    struct Forwards {
        static auto first(std::vector<LineChange>& s) { return s.begin(); }
        static auto last(std::vector<LineChange>& s) { return s.end(); }
    };
    return SwapNewestStep(history, list, history.undone, history.done, Forwards(), touched);
}

static size_t StepBytes(const std::vector<LineChange>& step)
{
    size_t bytes = step.capacity() * sizeof(LineChange);
    for (const LineChange& change : step) {
        bytes += change.lines.capacity() * sizeof(std::string);
        for (const std::string& line : change.lines)
            if (line.capacity() > std::string().capacity()) bytes += line.capacity() + 1;   // beyond the inline buffer
    }
    return bytes;
}

size_t HistoryBytes(const UndoHistory& history)
{
    size_t bytes = 0;
    for (const auto& step : history.done) bytes += sizeof step + StepBytes(step);
    for (const auto& step : history.undone) bytes += sizeof step + StepBytes(step);
    return bytes;
}
