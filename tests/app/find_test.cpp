// Find and find next through the real "FINDSTR" dialog: what it shows, the setting it keeps,
// and which item each search selects.
#include "edit/find.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

namespace {

using Lines = std::vector<std::string>;

constexpr wchar_t kEndMessage[] = L"最後まで検索しました";

class FindTest : public AppTest {
protected:
    void Show(const Lines& lines, DWORD chkFindStr)
    {
        SetSettingDword(L"SortFlg", 0);
        SetSettingDword(L"ChkFindStr", chkFindStr);
        WriteFileBytes(L"list.dat", ListFileBytes(lines));
        Start();
    }
    // Confirms the dialog with `text` and the check box as given.
    std::wstring Find(const std::wstring& text, bool ignoreCase)
    {
        DialogStep step;
        step.texts[IDC_FIND_TEXT] = text;
        step.checks[IDC_FIND_IGNORECASE] = ignoreCase;
        ScriptDialogs({step});
        return Searched(IDM_FIND);
    }
    std::wstring FindNext() { return Searched(IDM_FINDNEXT); }
    // The caret item's text after the command, or "<end>" when the end message came instead.
    std::wstring Searched(WORD command)
    {
        size_t messages = g_shownMessages.size();
        RunCommand(command);
        EXPECT_EQ(g_unplannedDialogs, 0);
        if (g_shownMessages.size() > messages) {
            EXPECT_EQ(g_shownMessages.back().text, kEndMessage);
            return L"<end>";
        }
        HTREEITEM caret = CaretItem();
        return caret ? ItemText(g_ui.tree, caret) : L"<none>";
    }
};

// Book Work holds Docs (a URL with upper-case letters) and the Group Tools with Editor.
const Lines kList{"0Work\\", "1Docs,http://EXAMPLE.com/ABC", "1Tools\\", "2Editor,http://ed.example/", "0Home\\",
                  "1Mail,http://mail.example/"};

TEST_F(FindTest, DialogShowsItsTextsAndKeepsTheCheckBoxSetting)
{
    Show(kList, 2);
    EXPECT_EQ(Find(L"Mail", true), L"Mail");
    ASSERT_EQ(g_seenDialogs.size(), 1u);
    const SeenDialog& seen = g_seenDialogs[0];
    EXPECT_EQ(seen.caption, L"検索");
    EXPECT_EQ(seen.texts.at(IDC_FIND_LABEL), L"検索文字列");
    EXPECT_EQ(seen.texts.at(IDC_FIND_IGNORECASE), L"大文字と小文字を区別しない");
    EXPECT_EQ(seen.texts.at(IDOK), L"OK");
    EXPECT_EQ(seen.texts.at(IDCANCEL), L"ｷｬﾝｾﾙ");
    EXPECT_EQ(seen.texts.at(IDC_FIND_TEXT), L"");
    EXPECT_TRUE(seen.checks.at(IDC_FIND_IGNORECASE)) << "any value but 0 shows the box set";
    DWORD stored = 0;
    ASSERT_TRUE(ReadSettingDword(L"ChkFindStr", &stored));
    EXPECT_EQ(stored, 1u);

    EXPECT_EQ(Find(L"Mail", false), L"Mail");
    EXPECT_EQ(g_seenDialogs[0].texts.at(IDC_FIND_TEXT), L"") << "the field starts empty every time";
    ASSERT_TRUE(ReadSettingDword(L"ChkFindStr", &stored));
    EXPECT_EQ(stored, 0u);
    EXPECT_FALSE(Find(L"x", true).empty());
    EXPECT_FALSE(g_seenDialogs[0].checks.at(IDC_FIND_IGNORECASE));
    ExpectTreeMatchesRebuild();
}

TEST_F(FindTest, CaseIsFoldedOnlyWhenTheBoxIsSet)
{
    Show(kList, 1);
    EXPECT_EQ(Find(L"abc", true), L"Docs");   // only inside the URL
    EXPECT_EQ(Find(L"abc", false), L"<end>");
    EXPECT_EQ(Find(L"ABC", false), L"Docs");
    EXPECT_EQ(Find(L"EDITOR", true), L"Editor");
    ExpectTreeMatchesRebuild();
}

TEST_F(FindTest, DepthCharactersAndSeparatorsAreSearchedToo)
{
    Show(kList, 0);
    EXPECT_EQ(Find(L"1", false), L"Docs");
    EXPECT_EQ(FindNext(), L"Tools");
    EXPECT_EQ(FindNext(), L"Mail");
    EXPECT_EQ(Find(L"\\", false), L"Work");
    EXPECT_EQ(FindNext(), L"Tools");
    EXPECT_EQ(FindNext(), L"Home");
    EXPECT_EQ(Find(L",", false), L"Docs");
    EXPECT_EQ(FindNext(), L"Editor");
    ExpectTreeMatchesRebuild();
}

TEST_F(FindTest, TheEndMessageComesAgainOnEveryFindNext)
{
    Show(kList, 0);
    EXPECT_EQ(Find(L"Mail", false), L"Mail");
    EXPECT_EQ(FindNext(), L"<end>");
    EXPECT_EQ(FindNext(), L"<end>");
    EXPECT_EQ(g_find.start, 6);
    EXPECT_EQ(g_shownMessages.back().flags & (MB_ICONMASK | MB_TYPEMASK), static_cast<UINT>(MB_OK));
}

TEST_F(FindTest, FindNextBeforeAnyFindWalksEveryLine)
{
    Show(kList, 0);
    EXPECT_EQ(FindNext(), L"Work");
    EXPECT_EQ(FindNext(), L"Docs");
    EXPECT_EQ(FindNext(), L"Tools");
    EXPECT_EQ(Find(L"", false), L"Work");   // an empty text does the same from line 0
    EXPECT_EQ(FindNext(), L"Docs");
}

TEST_F(FindTest, CancelledFindStartsOverWithTheEarlierText)
{
    Show(kList, 0);
    EXPECT_EQ(Find(L"http", false), L"Docs");
    EXPECT_EQ(FindNext(), L"Editor");
    ScriptDialogs({{std::nullopt, std::nullopt, IDCANCEL}});
    EXPECT_EQ(Searched(IDM_FIND), L"Editor");   // nothing searched, nothing said
    EXPECT_EQ(FindNext(), L"Docs");
}

TEST_F(FindTest, TextWithoutACp932FormIsRefusedAndTheDialogStaysOpen)
{
    Show(kList, 0);
    DialogStep refused, corrected;
    refused.texts[IDC_FIND_TEXT] = L"\x0100";
    corrected.texts[IDC_FIND_TEXT] = L"Home";
    ScriptDialogs({refused, corrected});
    RunCommand(IDM_FIND);
    ASSERT_EQ(g_seenDialogs.size(), 2u);
    EXPECT_EQ(g_seenDialogs[1].texts.at(IDC_FIND_TEXT), L"\x0100") << "the text stays for correction";
    ASSERT_EQ(g_shownMessages.size(), 1u);
    EXPECT_NE(g_shownMessages[0].text, kEndMessage);
    EXPECT_EQ(ItemText(g_ui.tree, CaretItem()), L"Home");
}

}  // namespace
