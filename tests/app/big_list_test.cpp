// List files far from what the program writes: 100 MB of random bytes, and one giant line.
// They load without a crash, the window stays usable, and a run that changes nothing leaves
// the file byte for byte as it was.
#include <random>

#include "core/lines.h"
#include "core/list_bytes.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"

namespace {

constexpr size_t kMB = 1u << 20;
const std::string kEarlierBackup = "0Backup\\\r\n";

// `size` random bytes; about one byte in `lineEvery` is a CR or an LF (none for 0, and then
// only what the random bytes hold by themselves).
std::string RandomBytes(size_t size, unsigned lineEvery, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i += 4) {
        uint32_t r = random();
        for (size_t k = 0; k < 4 && i + k < size; ++k) bytes[i + k] = static_cast<char>(r >> (8 * k));
    }
    if (lineEvery == 0) return bytes;
    for (char& c : bytes)
        if (c == '\r' || c == '\n') c = 'x';
    for (size_t i = random() % lineEvery; i < size; i += 1 + random() % (2 * lineEvery))
        bytes[i] = (random() & 1) ? '\r' : '\n';
    return bytes;
}

class BigListTest : public AppTest {
protected:
    // Starts over `bytes`, checks the window, and exits without a change.
    void RunWithoutEdits(const std::string& bytes, bool loads)
    {
        WriteFileBytes(L"list.dat", bytes);
        WriteFileBytes(L"_backup.dat", kEarlierBackup);
        Start();
        EXPECT_TRUE(IsWindowVisible(g_ui.main));
        EXPECT_EQ(g_shownMessages.size(), loads ? 0u : 1u);
        EXPECT_EQ(g_bookmarks.lines.empty(), !loads);
        ExpectTreeMatchesRebuild();
        Exit();
        // A loaded file comes back in the list file's own form with every line kept; a file that
        // was not loaded is never overwritten, and the backup then stays as it was.
        const std::string expected = loads ? FormatListBytes(ParseListBytes(bytes)) : bytes;
        EXPECT_TRUE(ReadFileBytes(L"list.dat") == expected) << "the list file lost or changed lines";
        EXPECT_TRUE(ReadFileBytes(L"_backup.dat") == (loads ? expected : kEarlierBackup));
    }
};

TEST_F(BigListTest, RandomBytesHoldTooManyLinesAndAreKept)
{
    RunWithoutEdits(RandomBytes(100 * kMB, 0, 1), false);
}

TEST_F(BigListTest, RandomBytesInLongLinesLoadAndKeepEveryLine)
{
    std::string bytes = RandomBytes(100 * kMB, 4096, 2);
    RunWithoutEdits(bytes, true);
}

// 100 MB load the same way; the tree view then takes some seconds to show the one title.
TEST_F(BigListTest, OneGiantLineLoadsAndIsKept)
{
    RunWithoutEdits("0" + std::string(32 * kMB, 'a'), true);
}

}  // namespace
