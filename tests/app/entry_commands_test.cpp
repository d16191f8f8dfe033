// New, edit, delete and delete-level through the real dialogs, with the tree checked against
// a rebuild from the list after every command.
#include "core/lines.h"
#include "edit/entry_commands.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

using Lines = std::vector<std::string>;

class EntryCommandsTest : public AppTest {
protected:
    void Show(const Lines& lines, DWORD sortFlg = 0, DWORD askFlg = 0)
    {
        SetSettingDword(L"SortFlg", sortFlg);
        SetSettingDword(L"AskFlg", askFlg);
        WriteFileBytes(L"list.dat", ListFileBytes(lines));
        Start();
    }
    void Run(WORD command, std::vector<DialogStep> steps)
    {
        ScriptDialogs(std::move(steps));
        RunCommand(command);
        EXPECT_EQ(g_unplannedDialogs, 0);
    }
    std::wstring CaretText() { return ItemText(g_ui.tree, CaretItem()); }
};

DialogStep Folder(const wchar_t* title) { return {std::wstring(title), std::nullopt, IDOK}; }
DialogStep Url(const wchar_t* url, const wchar_t* title) { return {std::wstring(title), std::wstring(url), IDOK}; }
DialogStep Cancel() { return {std::nullopt, std::nullopt, IDCANCEL}; }

TEST_F(EntryCommandsTest, NewBookGoesLastWithTheFirstFreeSuffix)
{
    Show({"0News\\", "0News(2)\\", "0news\\"});
    Run(IDM_NEWBOOK, {Folder(L"News")});
    EXPECT_EQ(ListLines(), (Lines{"0News\\", "0News(2)\\", "0news\\", "0News(3)\\"}));
    EXPECT_EQ(CaretText(), L"News(3)");
    ASSERT_EQ(g_seenDialogs.size(), 1u);
    EXPECT_EQ(g_seenDialogs[0].caption, L"ﾌﾞｯｸ/ｸﾞﾙｰﾌﾟ");
    EXPECT_EQ(g_seenDialogs[0].title, L"");
    ExpectTreeMatchesRebuild();
}

TEST_F(EntryCommandsTest, NewGroupAndUrlBecomeTheFolderFirstChildren)
{
    Show({"0A\\", "1old,http://o", "0B\\"}, 1);
    Select({L"A"});
    Run(IDM_NEWGROUP, {Folder(L"G")});
    EXPECT_EQ(CaretText(), L"G");
    Select({L"A"});
    Run(IDM_NEWURL, {Url(L"example.com/a", L"")});   // empty title takes the URL as typed
    Select({L"A"});
    Run(IDM_NEWURL, {Url(L"ftp://files", L"Files")});
    EXPECT_EQ(g_seenDialogs[0].caption, L"URL");
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1Files,ftp://files", "1example.com/a,http://example.com/a", "1G\\",
                                  "1old,http://o", "0B\\"}));
    ExpectTreeMatchesRebuild();
}

TEST_F(EntryCommandsTest, UrlEntryOrNoSelectionTakesNoChild)
{
    Show({"0A\\", "1u,http://u"});
    Select({L"A", L"u"});
    Run(IDM_NEWGROUP, {});
    Run(IDM_NEWURL, {});
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, 0);
    for (WORD command : {IDM_NEWGROUP, IDM_NEWURL, IDM_EDIT, IDM_DELETE, IDM_DELETELEVEL}) Run(command, {});
    EXPECT_TRUE(g_seenDialogs.empty());
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1u,http://u"}));
}

TEST_F(EntryCommandsTest, GroupBelowDepthNineGetsTheNextCharacter)
{
    Show({"0a\\", "1b\\", "2c\\", "3d\\", "4e\\", "5f\\", "6g\\", "7h\\", "8i\\", "9j\\"});
    Select({L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h", L"i", L"j"});
    Run(IDM_NEWGROUP, {Folder(L"deep")});
    EXPECT_EQ(ListLines().size(), 11u);
    EXPECT_EQ(ListLines()[10], ":deep\\");
    EXPECT_EQ(CaretText(), L"deep");   // shown until the next rebuild
}

TEST_F(EntryCommandsTest, EditKeepsPlaceDepthAndSubtree)
{
    Show({"0A\\", "1G\\", "2x,http://x", "1Mail, news,http://m"});
    Select({L"A", L"G"});
    Run(IDM_EDIT, {Folder(L"Group")});
    EXPECT_EQ(g_seenDialogs[0].title, L"G");
    Select({L"A", L"Mail"});
    Run(IDM_EDIT, {{std::nullopt, std::wstring(L"http://m2"), IDOK}});   // only the URL changes
    EXPECT_EQ(g_seenDialogs[0].title, L"Mail");
    EXPECT_EQ(g_seenDialogs[0].url, L" news,http://m");
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1Group\\", "2x,http://x", "1Mail,http://m2"}));
    ExpectTreeMatchesRebuild();
}

TEST_F(EntryCommandsTest, EditToASiblingsTitleGetsASuffixAndUnchangedStaysExact)
{
    // A NEC code and bytes that stand for no character come back from UTF-16 as other bytes.
    const std::string odd = "1z\x87\x90,http://\x85\x40";
    Show({"0A\\", "1x,http://1", "1y,http://2", "1y(2),http://3", odd});
    Select({L"A", L"x"});
    Run(IDM_EDIT, {Url(L"http://1", L"y")});
    Select({L"A", L"y"});
    Run(IDM_EDIT, {Url(L"http://2", L"y")});
    Select({L"A", L"z\x2252"});
    Run(IDM_EDIT, {DialogStep()});
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1y(3),http://1", "1y,http://2", "1y(2),http://3", odd}));
    ExpectTreeMatchesRebuild();
}

TEST_F(EntryCommandsTest, SortedRenameMovesTheItemButNotTheLine)
{
    Show({"0A\\", "1bravo,http://b", "1charlie,http://c", "1beta\\", "2in,http://i"}, 1);
    Select({L"A", L"beta"});
    Run(IDM_EDIT, {Folder(L"alpha")});
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1bravo,http://b", "1charlie,http://c", "1alpha\\", "2in,http://i"}));
    std::vector<ShownItem> shown = ShownTree();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[1].text, L"alpha");
    EXPECT_EQ(shown[2].text, L"in");
    EXPECT_EQ(CaretText(), L"alpha");
    ExpectTreeMatchesRebuild();
}

// Another program's reload rebuilds the tree while the dialog is open; the entry still goes
// into the folder that was selected, or nowhere once that folder is gone.
TEST_F(EntryCommandsTest, ReloadDuringTheDialogKeepsTheTargetFolder)
{
    Show({"0A\\", "0B\\", "1b,http://b"});
    Select({L"B"});
    WriteFileBytes(L"list.dat", ListFileBytes({"0N\\", "0A\\", "0B\\", "1b,http://b"}));
    PostMessageW(g_ui.main, WM_COMMAND, IDM_RELOAD, 0);
    Run(IDM_NEWURL, {Url(L"http://new", L"new")});
    EXPECT_EQ(ListLines(), (Lines{"0N\\", "0A\\", "0B\\", "1new,http://new", "1b,http://b"}));
    ExpectTreeMatchesRebuild();
    Select({L"B"});   // the folder is gone after the reload: nothing is added
    WriteFileBytes(L"list.dat", ListFileBytes({"0A\\", "0N\\"}));
    PostMessageW(g_ui.main, WM_COMMAND, IDM_RELOAD, 0);
    Run(IDM_NEWURL, {Url(L"http://new", L"new")});
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "0N\\"}));
}

TEST_F(EntryCommandsTest, DeleteTakesTheSubtreeExactlyUpToTheNextBook)
{
    Show({"0A\\", "1G\\", "2x,http://x", "1y,http://y", "0B\\", "1z,http://z"});
    Select({L"A"});
    Run(IDM_DELETE, {});
    EXPECT_EQ(ListLines(), (Lines{"0B\\", "1z,http://z"}));
    Select({L"B", L"z"});
    Run(IDM_DELETE, {});
    EXPECT_EQ(ListLines(), (Lines{"0B\\"}));
    EXPECT_TRUE(g_shownMessages.empty());   // AskFlg 0: no question
    ExpectTreeMatchesRebuild();
}

TEST_F(EntryCommandsTest, DeleteAsksWhenAskFlgIsOne)
{
    Show({"0A\\", "0B\\"}, 0, 1);
    Select({L"A"});
    g_queuedAnswers = {IDNO};
    Run(IDM_DELETE, {});
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "0B\\"}));
    g_queuedAnswers = {IDYES};
    Run(IDM_DELETE, {});
    EXPECT_EQ(ListLines(), (Lines{"0B\\"}));
    ASSERT_EQ(g_shownMessages.size(), 2u);
    EXPECT_EQ(g_shownMessages[0].text, L"削除してよろしいですか？");
    EXPECT_EQ(g_shownMessages[0].flags & MB_YESNO, static_cast<UINT>(MB_YESNO));
    ExpectTreeMatchesRebuild();
}

TEST_F(EntryCommandsTest, DeleteLevelWithAndWithoutParent)
{
    Show({"0A\\", "1G\\", "2x,http://x", "1y,http://y", "0B\\", "1z,http://z"});
    Select({L"A", L"y"});
    Run(IDM_DELETELEVEL, {});
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "0B\\", "1z,http://z"}));
    ExpectTreeMatchesRebuild();
    Select({L"B"});
    Run(IDM_DELETELEVEL, {});
    EXPECT_TRUE(ListLines().empty());
    EXPECT_TRUE(ShownTree().empty());
}

TEST_F(EntryCommandsTest, RefusedTextKeepsTheDialogOpenWithItsContents)
{
    Show({"0A\\"});
    Select({L"A"});
    // A line break, which the field takes when its text is set from outside, would split the
    // entry's line in the list file.
    ScriptDialogs({Url(L"http://x", L"a,b"), Url(L"http://x", L"a\\b"), Url(L"", L"t"),
                   Url(L"http://x", L"\x0100"), Url(L"http://x", L"ti\r\ntle"), Url(L"http://x/\ny", L"t"), Cancel()});
    RunCommand(IDM_NEWURL);
    ASSERT_EQ(g_seenDialogs.size(), 7u);
    EXPECT_EQ(g_seenDialogs[1].title, L"a,b");   // still there after the refusal
    ASSERT_EQ(g_shownMessages.size(), 6u);
    EXPECT_EQ(g_shownMessages[2].text, L"URLを入力してください");
    EXPECT_EQ(g_shownMessages[4].text, L"ﾀｲﾄﾙに改行は使えません。");
    EXPECT_EQ(g_shownMessages[5].text, L"URLに改行は使えません。");
    ScriptDialogs({Folder(L""), Folder(L"x\\y"), Folder(L"a\rb"), Folder(L"Folder, comma")});
    RunCommand(IDM_NEWBOOK);
    EXPECT_EQ(g_shownMessages[6].text, L"ﾀｲﾄﾙを入力してください");
    EXPECT_EQ(g_shownMessages[8].text, L"ﾀｲﾄﾙに改行は使えません。");
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "0Folder, comma\\"}));
    ExpectTreeMatchesRebuild();
}

// A line whose last byte is 0x5C reads back as a folder.
TEST_F(EntryCommandsTest, UrlEndingInBackslashIsRefusedOrWrittenWithoutIt)
{
    Show({"0A\\"});
    Select({L"A"});
    Run(IDM_NEWURL, {Url(L"ftp://x\\", L"t"), Url(L"x/表", L"t")});
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_EQ(g_shownMessages[0].text, UnstorableUrlText(0));
    EXPECT_EQ(ListLines(), (Lines{"0A\\", "1t,http://x/%E8%A1%A8"}));
}

TEST_F(EntryCommandsTest, TextsThatWouldNotFitAreRefusedNotCut)
{
    Show({"0A\\", std::string("1") + std::string(254, 't') + ",http://t"});
    Select({L"A"});
    std::wstring longUrl(249, L'u');
    ScriptDialogs({Url(longUrl.c_str(), L"t1"), Url(std::wstring(248, L'u').c_str(), std::wstring(254, L't').c_str())});
    RunCommand(IDM_NEWURL);
    ASSERT_EQ(g_shownMessages.size(), 2u);   // the URL with http:// is too long; then no room for "(2)"
    EXPECT_EQ(ListLines().size(), 2u);
}

TEST_F(EntryCommandsTest, FullListRefusesNewLines)
{
    Lines lines(kMaxLines, "0b\\");
    lines[0] = "0A\\";
    Show(lines);
    Select({L"A"});
    Run(IDM_NEWGROUP, {});
    Run(IDM_NEWBOOK, {});
    EXPECT_EQ(g_shownMessages.size(), 2u);
    EXPECT_EQ(g_bookmarks.lines.size(), kMaxLines);
}

TEST_F(EntryCommandsTest, ItemWithoutLineChangesNothing)
{
    Show({"0A\\", "1u,http://u", "0B\\"});
    Select({L"A", L"u"});
    g_bookmarks.lines = {"0X\\", "0B\\"};   // the list changed behind the tree
    for (WORD command : {IDM_EDIT, IDM_DELETE, IDM_DELETELEVEL}) Run(command, {});
    Select({L"A"});
    for (WORD command : {IDM_NEWGROUP, IDM_NEWURL, IDM_DELETE, IDM_DELETELEVEL}) Run(command, {});
    EXPECT_TRUE(g_seenDialogs.empty());
    EXPECT_EQ(ListLines(), (Lines{"0X\\", "0B\\"}));
}

}  // namespace
