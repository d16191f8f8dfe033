// Between items and lines: each item finds its own line, each line its own item, in sorted
// and unsorted trees, with equal titles in other folders and titles of any bytes and length.
#include "core/lines.h"
#include "platform/text.h"
#include "tests/app/harness.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

namespace {

struct LocateCase {
    const char* name;
    DWORD sortFlg;
};

class LocateTest : public AppTest, public ::testing::WithParamInterface<LocateCase> {
protected:
    void Show(const std::string& bytes)
    {
        SetSettingDword(L"SortFlg", GetParam().sortFlg);
        WriteFileBytes(L"list.dat", bytes);
        Start();
    }

    // Every shown line maps to an item whose path leads back to the same line.
    void ExpectEveryLineRoundTrips()
    {
        for (size_t i = 0; i < g_bookmarks.lines.size(); ++i) {
            HTREEITEM item = SelectItemOfLine(static_cast<long>(i));
            if (!item) continue;
            EXPECT_EQ(CaretItem(), item);
            EXPECT_EQ(FindLineOfItem(item), static_cast<long>(i)) << "line " << i;
        }
    }
};

TEST_P(LocateTest, EqualTitlesInOtherFoldersAndAtOtherDepths)
{
    Show("0Work\\\r\n1Tools\\\r\n2Editor,http://a\r\n0Home\\\r\n1Editor,http://b\r\n"
         "1News Archive,http://c\r\n1News,http://d\r\n1news,http://e\r\n");
    EXPECT_EQ(FindLineOfItem(ItemAtPath({L"Work", L"Tools", L"Editor"})), 2);
    EXPECT_EQ(FindLineOfItem(ItemAtPath({L"Home", L"Editor"})), 4);
    EXPECT_EQ(FindLineOfItem(ItemAtPath({L"Home", L"News"})), 6);
    EXPECT_EQ(FindLineOfItem(ItemAtPath({L"Home", L"news"})), 7);
    EXPECT_EQ(SelectItemOfLine(4), ItemAtPath({L"Home", L"Editor"}));
    ExpectEveryLineRoundTrips();
}

TEST_P(LocateTest, DoubleByteCommaAndBackslashTitles)
{
    // 表 ends in 0x5C; a comma in a folder title; a single-byte backslash inside a URL
    // entry's title (from a hand-edited file) is still one title.
    Show(Cp932("0表計算\\\r\n1Folder, comma\\\r\n2ソフト,http://s\r\n2a\\b,http://ab\r\n"));
    EXPECT_EQ(FindLineOfItem(ItemAtPath({WideFromUtf8("表計算"), L"Folder, comma", WideFromUtf8("ソフト")})), 2);
    EXPECT_EQ(FindLineOfItem(ItemAtPath({WideFromUtf8("表計算"), L"Folder, comma", L"a\\b"})), 3);
    ExpectEveryLineRoundTrips();
}

TEST_P(LocateTest, LongTitlesAndBytesWithoutCharacters)
{
    std::string longTitle(1500, 'T');
    // 0x85 0x40 is no character in CP932; 0xFA 0x40 turns into bytes 0xEE 0xEF and back.
    Show("0" + longTitle + "\\\r\n1" + longTitle + "2,http://l\r\n0bad\x85\x40" "x\\\r\n1\xFA\x40,http://r\r\n");
    ExpectEveryLineRoundTrips();
    EXPECT_EQ(SelectItemOfLine(1), ItemAtPath({Widen(longTitle), Widen(longTitle + "2")}));
}

TEST_P(LocateTest, LinesWithoutItemsSelectNothingAndKeepTheSelection)
{
    Show("0A\\\r\n1u,http://u\r\n\r\n:deep\\\r\n1orphan,http://o\r\n");
    HTREEITEM before = SelectItemOfLine(1);
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(SelectItemOfLine(2), nullptr);     // empty line
    EXPECT_EQ(SelectItemOfLine(3), nullptr);     // deeper than shown
    EXPECT_EQ(SelectItemOfLine(5), nullptr);     // past the end
    EXPECT_EQ(SelectItemOfLine(-1), nullptr);
    EXPECT_EQ(CaretItem(), before);
    EXPECT_EQ(FindLineOfItem(nullptr), -1);
}

TEST_P(LocateTest, ItemWhoseLineWasRemovedMapsToNoLine)
{
    Show("0A\\\r\n1u,http://u\r\n0B\\\r\n");
    HTREEITEM u = ItemAtPath({L"A", L"u"});
    g_bookmarks.lines.erase(g_bookmarks.lines.begin() + 1);
    EXPECT_EQ(FindLineOfItem(u), -1);
}

INSTANTIATE_TEST_SUITE_P(SortedAndUnsorted, LocateTest,
                         ::testing::Values(LocateCase{"unsorted", 0}, LocateCase{"sorted", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
