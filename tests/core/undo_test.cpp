// Undo and redo over the line list's journal: random steps of every kind of change against
// copies of the list, and the rules of nesting, refusal and the caret.
#include <gtest/gtest.h>

#include "core/undo_history.h"
#include "tests/support/seeded_random.h"

namespace {

using Lines = std::vector<std::string>;

// One random change through the functions the commands use.
void ChangeAtRandom(SeededRandom& rng, LineList& list)
{
    size_t size = list.lines.size(), at = rng.Below(size + 1);
    std::string text = "0t" + std::to_string(rng.Below(5)) + ",u";
    switch (size == 0 ? 0 : rng.Below(6)) {
    case 0: InsertLine(list, at, text); break;
    case 1: InsertLines(list, at, Lines(rng.Below(4), text)); break;
    case 2: AddLine(list, text); break;
    case 3: EraseLines(list, at == size ? at - 1 : at, std::min(size, at + 1 + rng.Below(3))); break;
    case 4: DeleteLine(list, at); break;   // past the end: nothing
    default: ReplaceLine(list, at == size ? 0 : at, text); break;   // often the same text: nothing
    }
}

TEST(UndoHistory, RandomStepsGoBackAndForthThroughEveryState)
{
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        SeededRandom rng{seed};
        UndoHistory history;
        LineList list;
        list.lines = Lines(rng.Below(6), "0a\\");
        std::vector<Lines> states = {list.lines};   // after each kept step
        size_t now = 0;
        for (int n = 0; n < 30; ++n) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(n));
            long touched = 0;
            if (rng.Chance(30)) {
                bool undo = rng.Chance(60), done = undo ? UndoStep(history, list, &touched) : RedoStep(history, list, &touched);
                ASSERT_EQ(done, undo ? now > 0 : now + 1 < states.size());
                if (done) now += undo ? -1 : 1;
                ASSERT_EQ(list.lines, states[now]);
                if (done) EXPECT_LT(touched, static_cast<long>(list.lines.size()));
                continue;
            }
            BeginStep(history, list);
            for (size_t k = rng.Below(4); k > 0; --k) {
                BeginStep(history, list);   // a command inside another joins its step
                ChangeAtRandom(rng, list);
                EndStep(history, list);
            }
            if (!history.open.empty()) ASSERT_FALSE(UndoStep(history, list, &touched)) << "into a running command";
            EndStep(history, list);
            ASSERT_EQ(list.journal, nullptr);
            if (history.done.size() == now) {   // nothing recorded: the list is as it was
                ASSERT_EQ(list.lines, states[now]);
                continue;
            }
            states.resize(++now);
            states.push_back(list.lines);
        }
    }
}

TEST(UndoHistory, CaretClearingAndMemory)
{
    UndoHistory history;
    LineList list;
    list.lines = {"0a\\", "1b,u", "0c\\"};
    auto step = [&](auto change) { BeginStep(history, list); change(); EndStep(history, list); };
    step([&] { EraseLines(list, 0, 2); });              // a move: out at 0 ...
    step([&] { InsertLines(list, 1, {"0a\\", "1b,u"}); });   // ... in after "c"
    long touched = -2;
    ASSERT_TRUE(UndoStep(history, list, &touched));
    EXPECT_EQ(touched, 0);   // the line where the undone lines stood: the end is clamped to the last line
    ASSERT_TRUE(UndoStep(history, list, &touched));
    EXPECT_EQ(touched, 0);
    ASSERT_TRUE(RedoStep(history, list, &touched));
    EXPECT_EQ(list.lines, Lines{"0c\\"});
    EXPECT_EQ(touched, 0);
    step([&] { EraseLines(list, 0, 1); });
    ASSERT_TRUE(RedoStep(history, list, &touched) == false);   // a new step ends what could be made again
    ASSERT_TRUE(UndoStep(history, list, &touched));
    ASSERT_TRUE(RedoStep(history, list, &touched));
    EXPECT_EQ(touched, -1);   // the list is empty
    ClearHistory(history);
    EXPECT_FALSE(UndoStep(history, list, &touched));

    // A step that no longer fits the list ends the history and leaves the list alone, though its
    // last change alone would fit.
    list.lines = {"0a\\", "0b\\"};
    step([&] { AddLine(list, "0x\\"); EraseLines(list, 0, 1); });
    list.lines = {"0y\\"};
    EXPECT_FALSE(UndoStep(history, list, &touched));
    EXPECT_TRUE(history.done.empty());
    EXPECT_EQ(list.lines, Lines{"0y\\"});

    // 100 one-line edits of 80-byte lines hold one old line each, far under a megabyte.
    list.lines.assign(1000, std::string(80, 'x'));
    for (int n = 0; n < 100; ++n) step([&] { ReplaceLine(list, static_cast<size_t>(n), std::string(80, 'y')); });
    EXPECT_EQ(history.done.size(), 100u);
    EXPECT_LT(HistoryBytes(history), 100u * 300);
}

}  // namespace
