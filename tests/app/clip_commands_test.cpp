// Copy, cut and paste through the internal clipboard in the real window, with the tree
// checked against a rebuild from the list after every command.
#include "core/lines.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

using Lines = std::vector<std::string>;

class ClipCommandsTest : public AppTest {
protected:
    void Show(const Lines& lines, DWORD sortFlg = 0)
    {
        SetSettingDword(L"SortFlg", sortFlg);
        WriteFileBytes(L"list.dat", ListFileBytes(lines));
        Start();
    }
    // Runs the command, then checks the tree against a rebuild (which resets the selection,
    // so the caret text is taken first).
    std::wstring Run(WORD command)
    {
        RunCommand(command);
        HTREEITEM caret = CaretItem();
        std::wstring text = caret ? ItemText(g_ui.tree, caret) : L"<none>";
        ExpectTreeMatchesRebuild();
        return text;
    }
    std::wstring RunOn(const std::vector<std::wstring>& path, WORD command)
    {
        Select(path);
        return Run(command);
    }
};

TEST_F(ClipCommandsTest, CopiedGroupIsRebasedIntoTheTargetAndTheLastLineSelected)
{
    Show({"0A\\", "1B\\", "2G\\", "3u,http://u", "1v,http://v", "0C\\", "1old,http://o"});
    RunOn({L"A", L"B", L"G"}, IDM_COPY);
    EXPECT_EQ(g_clip.lines, (Lines{"0G\\", "1u,http://u"}));
    EXPECT_EQ(ListLines().size(), 7u) << "a copy changes nothing";
    EXPECT_EQ(RunOn({L"C"}, IDM_PASTE), L"u");
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1B\\", "2G\\", "3u,http://u", "1v,http://v", "0C\\", "1G\\", "2u,http://u",
                                  "1old,http://o"}));
    EXPECT_EQ(CaretItem(), nullptr);   // the check above rebuilt the tree
}

TEST_F(ClipCommandsTest, RepeatedPastesNumberTheTitlesAndDepthNineGoesDeeper)
{
    Show({"0a\\", "1b\\", "2c\\", "3d\\", "4e\\", "5f\\", "6g\\", "7h\\", "8i\\", "9j\\", "0T\\", "1x,http://x"});
    RunOn({L"T"}, IDM_COPY);
    for (int i = 0; i < 3; ++i) RunOn({L"a"}, IDM_PASTE);
    EXPECT_EQ(ListLines()[1], "1T(3)\\");
    EXPECT_EQ(ListLines()[3], "1T(2)\\");
    EXPECT_EQ(ListLines()[5], "1T\\");
    RunOn({L"a", L"T"}, IDM_COPY);
    Lines before = ListLines();
    EXPECT_EQ(RunOn({L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h", L"i", L"j"}, IDM_PASTE), L"<none>");
    Lines after = ListLines();
    ASSERT_EQ(after.size(), before.size() + 2);
    auto j = std::find(after.begin(), after.end(), "9j\\");
    ASSERT_NE(j, after.end());
    EXPECT_EQ(*(j + 1), ":T\\");   // kept and saved, not shown
    EXPECT_EQ(*(j + 2), ";x,http://x");
}

TEST_F(ClipCommandsTest, AddCopyFromTwoBooksPastesBothFirstWithTitlesUniqueAmongEachOther)
{
    Show({"0A\\", "1x,http://a", "0B\\", "1x,http://b", "0C\\", "1x,http://c"});
    RunOn({L"A", L"x"}, IDM_COPY);
    RunOn({L"B", L"x"}, IDM_COPYADD);
    EXPECT_EQ(g_clip.lines, (Lines{"0x,http://a", "0x,http://b"}));
    EXPECT_EQ(RunOn({L"C"}, IDM_PASTE), L"x(3)");
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1x,http://a", "0B\\", "1x,http://b", "0C\\", "1x(2),http://a",
                                  "1x(3),http://b", "1x,http://c"}));
    // Each entry is found again by its own title.
    EXPECT_EQ(RunOn({L"C", L"x(2)"}, IDM_COPY), L"x(2)");
    EXPECT_EQ(g_clip.lines, (Lines{"0x(2),http://a"}));
}

TEST_F(ClipCommandsTest, CutLevelOfABookThenPasteRootRestoresEveryLine)
{
    Lines lines{"0A\\", "1u,http://u", "1G\\", "2v,http://v", "0B\\", "0C,http://top", "0D\\", "1w,http://w"};
    Show(lines);
    EXPECT_EQ(RunOn({L"B"}, IDM_CUTLEVEL), L"<none>");
    EXPECT_TRUE(ListLines().empty());
    EXPECT_TRUE(ShownTree().empty());
    EXPECT_EQ(Run(IDM_PASTEROOT), L"w");
    EXPECT_EQ(ListLines(), lines);
    EXPECT_EQ(Run(IDM_PASTEROOT), L"w");   // once more: the top entries get numbers
    EXPECT_EQ(ListLines().size(), 2 * lines.size());
    EXPECT_EQ(ListLines()[8], "0A(2)\\");
    EXPECT_EQ(ListLines()[13], "0C(2),http://top");
}

TEST_F(ClipCommandsTest, CutTakesTheSubtreeAndCutAddAppends)
{
    Show({"0A\\", "1G\\", "2x,http://x", "1y,http://y", "0B\\", "1z,http://z"});
    RunOn({L"A", L"G"}, IDM_CUT);
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1y,http://y", "0B\\", "1z,http://z"}));
    RunOn({L"B", L"z"}, IDM_CUTADD);   // the last line: the walk ends at the end of the list
    EXPECT_EQ(g_clip.lines, (Lines{"0G\\", "1x,http://x", "0z,http://z"}));
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1y,http://y", "0B\\"}));
    RunOn({L"A", L"y"}, IDM_CUT);
    EXPECT_EQ(g_clip.lines, (Lines{"0y,http://y"}));
}

TEST_F(ClipCommandsTest, LevelCommandsTakeTheSiblingsOrTheTopLevel)
{
    Show({"0A\\", "1G\\", "2x,http://x", "2H\\", "3y,http://y", "0B\\"});
    RunOn({L"A", L"G", L"x"}, IDM_COPYLEVEL);
    EXPECT_EQ(g_clip.lines, (Lines{"0x,http://x", "0H\\", "1y,http://y"}));
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, 0);
    Run(IDM_COPYLEVEL);   // nothing selected: the top level
    EXPECT_EQ(g_clip.lines, ListLines());
    EXPECT_EQ(RunOn({L"A", L"G", L"H"}, IDM_CUTLEVEL), L"G");
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1G\\", "0B\\"}));
    EXPECT_EQ(RunOn({L"B"}, IDM_PASTE), L"y");
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1G\\", "0B\\", "1x,http://x", "1H\\", "2y,http://y"}));
}

TEST_F(ClipCommandsTest, NothingHappensWithoutAFolderOrALine)
{
    Show({"0A\\", "1u,http://u", "0B\\"});
    RunOn({L"A"}, IDM_COPY);
    EXPECT_EQ(RunOn({L"A", L"u"}, IDM_PASTE), L"u");   // no paste onto a URL entry
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, 0);
    for (WORD command : {IDM_COPY, IDM_CUT, IDM_CUTADD, IDM_PASTE}) Run(command);
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1u,http://u", "0B\\"}));
    Select({L"A", L"u"});
    g_bookmarks.lines = {"0X\\", "0B\\"};   // the list changed behind the tree
    for (WORD command : {IDM_COPY, IDM_COPYADD, IDM_CUT, IDM_CUTADD, IDM_COPYLEVEL, IDM_CUTLEVEL}) RunCommand(command);
    Select({L"A"});
    RunCommand(IDM_PASTE);
    EXPECT_EQ(ListLines(), (Lines{"0X\\", "0B\\"}));
    EXPECT_EQ(g_clip.lines, (Lines{"0A\\", "1u,http://u"}));
}

TEST_F(ClipCommandsTest, PastePastTheBoundIsRefusedAndChangesNothing)
{
    Lines lines(kMaxLines - 1, "0b,http://b");
    lines[0] = "0A\\";
    Show(lines);
    Select({L"A"});
    RunCommand(IDM_COPY);
    RunCommand(IDM_COPYADD);
    RunCommand(IDM_PASTE);
    RunCommand(IDM_PASTEROOT);
    EXPECT_EQ(g_shownMessages.size(), 2u);
    EXPECT_EQ(ListLines(), lines);
    EXPECT_EQ(SendMessageW(g_ui.tree, TVM_GETCOUNT, 0, 0), static_cast<LRESULT>(lines.size()));
}

}  // namespace
