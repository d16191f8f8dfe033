// The tree as the window shows it after a load: item kinds, images, parents and order.
#include <algorithm>

#include "core/lines.h"
#include "tests/app/harness.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"

namespace {

// Image indices of the six bitmaps, in the order they are added.
enum { kDirOpen, kBookClosed, kBookOpen, kDirClosed, kUrlSelected, kUrlNormal };

ShownItem Book(int depth, const wchar_t* t) { return {depth, t, kBookClosed, kBookOpen, 0}; }
ShownItem Group(int depth, const wchar_t* t) { return {depth, t, kDirClosed, kDirOpen, 0}; }
ShownItem Url(int depth, const wchar_t* t) { return {depth, t, kUrlNormal, kUrlSelected, 1}; }

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string bytes;
    for (const char* line : lines) bytes += std::string(line) + "\r\n";
    return bytes;
}

std::vector<std::wstring> ChildTexts(HTREEITEM parent)
{
    std::vector<std::wstring> texts;
    auto next = [](HTREEITEM item, UINT how) {
        return reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM child = next(parent, TVGN_CHILD); child; child = next(child, TVGN_NEXT))
        texts.push_back(ItemText(g_ui.tree, child));
    return texts;
}

class TreeTest : public AppTest {
protected:
    void Show(const std::string& bytes, DWORD sortFlg)
    {
        SetSettingDword(L"SortFlg", sortFlg);
        WriteFileBytes(L"list.dat", bytes);
        Start();
    }
};

TEST_F(TreeTest, KindsImagesAndItemDataFollowTheLines)
{
    Show(Lines({"0Work\\", "1Tools\\", "2Editor,http://e", "1Mail, news,http://m", "0Top,http://t"}), 0);
    std::vector<ShownItem> expected = {Book(0, L"Work"), Group(1, L"Tools"), Url(2, L"Editor"), Url(1, L"Mail"),
                                       Url(0, L"Top")};
    EXPECT_EQ(ShownTree(), expected);
}

TEST_F(TreeTest, ParentIsTheLastItemOneLevelUp)
{
    // A URL item takes children; a deeper line after a new book still goes under the last
    // group; lines outside the shown depths and empty lines are skipped.
    Show(Lines({"0A\\", "1u,http://u", "2child,http://c", "0B\\", "1G\\", "0C\\", "2late,http://l", "", ":deep\\",
                "1after,http://a"}),
         0);
    std::vector<ShownItem> expected = {Book(0, L"A"),       Url(1, L"u"),         Url(2, L"child"),
                                       Book(0, L"B"),       Group(1, L"G"),       Url(2, L"late"),
                                       Book(0, L"C"),       Url(1, L"after")};
    EXPECT_EQ(ShownTree(), expected);
}

TEST_F(TreeTest, LinesWithoutParentOrOutsideTheFormatStillShow)
{
    Show(Lines({"1orphan,http://o", "0plain text", "0Folder, with comma\\", "0ends in backslash,http://x\\"}), 0);
    std::vector<ShownItem> expected = {Url(0, L"orphan"), Url(0, L"plain text"), Book(0, L"Folder, with comma"),
                                       Book(0, L"ends in backslash,http://x")};
    EXPECT_EQ(ShownTree(), expected);
}

TEST_F(TreeTest, DoubleByteTitlesShowAsTheirCharacters)
{
    // 表 and ソ end in 0x5C; the comma search must step over them.
    Show(Cp932("0表計算\\\r\n1ソフト,http://s\r\n"), 0);
    std::vector<ShownItem> expected = {Book(0, WideFromUtf8("表計算").c_str()), Url(1, WideFromUtf8("ソフト").c_str())};
    EXPECT_EQ(ShownTree(), expected);
}

TEST_F(TreeTest, SortedTreeOrdersSiblingsButNotTheList)
{
    std::string bytes = Lines({"0B\\", "1gamma,http://g", "1Alpha\\", "2z,http://z", "2y,http://y", "1beta,http://b", "0A\\"});
    Show(bytes, 1);
    std::vector<ShownItem> expected = {Book(0, L"A"),       Book(0, L"B"),      Group(1, L"Alpha"), Url(2, L"y"),
                                       Url(2, L"z"),        Url(1, L"beta"),    Url(1, L"gamma")};
    EXPECT_EQ(ShownTree(), expected);
    EXPECT_EQ(g_bookmarks.lines.front(), "0B\\");
}

TEST_F(TreeTest, UnsortedTreeKeepsListOrder)
{
    Show(Lines({"0B\\", "1gamma,http://g", "1Alpha,http://a", "1beta,http://b", "0A\\"}), 0);
    std::vector<ShownItem> expected = {Book(0, L"B"), Url(1, L"gamma"), Url(1, L"Alpha"), Url(1, L"beta"),
                                       Book(0, L"A")};
    EXPECT_EQ(ShownTree(), expected);
}

TEST_F(TreeTest, SortedRebuildMatchesSortedInsertsOneByOne)
{
    // Titles that differ only in case, digits, symbols and kana: the rebuild must place them
    // exactly where the control's own sorted insert does, or later single inserts land in
    // other places than a rebuild would show them.
    const char* titles[] = {"news", "News", "b", "B", "a10", "a9", "_x", "#1", "ｶﾅ", "かな", "カナ", "漢字", "Zeta", "zeta"};
    std::string bytes = "0root\\\r\n";
    for (const char* t : titles) bytes += Cp932((std::string("1") + t + ",http://x").c_str()) + "\r\n";
    Show(bytes, 1);
    HTREEITEM other = InsertBookItem(TVI_ROOT, "other");
    for (const char* t : titles) InsertUrlItem(other, Cp932(t));
    std::vector<std::wstring> rebuilt = ChildTexts(ItemAtPath({L"root"}));
    EXPECT_EQ(rebuilt.size(), std::size(titles));
    EXPECT_EQ(ChildTexts(other), rebuilt);
}

TEST_F(TreeTest, RebuildReturnsTheItemOfTheWantedLine)
{
    Show(Lines({"0A\\", "", "1u,http://u", ":deep\\"}), 0);
    HTREEITEM item = RebuildTree(2);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(ItemText(g_ui.tree, item), L"u");
    EXPECT_EQ(RebuildTree(1), nullptr);                // an empty line makes no item
    EXPECT_EQ(RebuildTree(3), nullptr);                // nor does a line deeper than 9
    EXPECT_EQ(RebuildTree(4), nullptr);                // past the end
    EXPECT_NE(RebuildTree(0x10000 + 2), nullptr);      // only the low 16 bits count
}

TEST_F(TreeTest, EmptyListShowsNothingAndSelectsNothing)
{
    Show("", 1);
    EXPECT_TRUE(ShownTree().empty());
    EXPECT_EQ(CaretItem(), nullptr);
}

}  // namespace
