// The Favorites import over real folders and shortcut files under the test's own folder, with
// the shell's folder list pointed at them for the test. Expected orders follow the order the
// folder listing really gives.
#include <algorithm>
#include <map>
#include <set>

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

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr wchar_t kBookTitle[] = L"インターネットエクスプローラ";

class FavoritesImportTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        wchar_t value[4096];
        DWORD size = sizeof value;
        hadFavorites_ = RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Favorites", RRF_RT_REG_SZ, nullptr, value,
                                     &size) == ERROR_SUCCESS;
        if (hadFavorites_) oldFavorites_ = value;
        favorites_ = PathOf(L"Favorites");
        ASSERT_TRUE(CreateDirectoryW(favorites_.c_str(), nullptr));
        PointFavoritesAt(favorites_);
    }
    void TearDown() override
    {
        if (hadFavorites_)
            PointFavoritesAt(oldFavorites_);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Favorites");
        AppTest::TearDown();
    }
    static void PointFavoritesAt(const std::wstring& folder)
    {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Favorites", REG_SZ, folder.c_str(),
                                  static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    void Show(const Lines& lines)
    {
        SetSettingDword(L"SortFlg", 0);
        WriteFileBytes(L"list.dat", ListFileBytes(lines));
        Start();
    }
    void Folder(const std::wstring& path) { ASSERT_TRUE(CreateDirectoryW((favorites_ + L"\\" + path).c_str(), nullptr)); }
    void Shortcut(const std::wstring& path, const std::string& url)
    {
        WriteFileBytes(L"Favorites\\" + path, "[InternetShortcut]\r\nURL=" + url + "\r\n");
    }
    // Imports with the question answered yes; the caret's text afterwards.
    std::wstring Import()
    {
        g_queuedAnswers = {IDYES};
        RunCommand(IDM_IMPORT);
        HTREEITEM caret = CaretItem();
        return caret ? ItemText(g_ui.tree, caret) : L"<none>";
    }

    std::wstring favorites_;

private:
    bool hadFavorites_ = false;
    std::wstring oldFavorites_;
};

TEST_F(FavoritesImportTest, FoldersFollowTheListingOrderTheirContentsItsReverse)
{
    Shortcut(L"a.url", "http://a/");
    Folder(L"F");
    Shortcut(L"b.url", "http://b/");
    Shortcut(L"F\\x.url", "http://x/");
    Shortcut(L"F\\y.url", "http://y/");
    Folder(L"F\\G");
    Show({"0Mine\\", "1m,http://m"});
    EXPECT_EQ(Import(), kBookTitle);
    EXPECT_EQ(CaretItem(), RelatedItem(g_ui.tree, ItemAtPath({L"Mine"}), TVGN_NEXT)) << "the last Book is selected";

    std::map<std::wstring, std::string> top{{L"a.url", "1a,http://a/"}, {L"F", "1F\\"}, {L"b.url", "1b,http://b/"}};
    std::map<std::wstring, std::string> inF{{L"x.url", "2x,http://x/"}, {L"y.url", "2y,http://y/"}, {L"G", "2G\\"}};
    Lines expected{"0Mine\\", "1m,http://m", "0" + Cp932("インターネットエクスプローラ") + "\\"};
    for (const std::wstring& name : NamesInFolder(favorites_)) {
        expected.push_back(top.at(name));
        if (name != L"F") continue;
        std::vector<std::wstring> f = NamesInFolder(favorites_ + L"\\F");
        for (auto it = f.rbegin(); it != f.rend(); ++it) expected.push_back(inF.at(*it));
    }
    EXPECT_EQ(ListLines(), expected);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(expected)) << "the import saves the list at once";
    EXPECT_EQ(g_shownMessages.size(), 1u) << "only the question";
    EXPECT_EQ(g_shownMessages[0].text, L"インターネットエクスプローラのお気に入りをインポートしますか？");
    ExpectTreeMatchesRebuild();
}

TEST_F(FavoritesImportTest, RepeatedImportsNumberTheBook)
{
    Shortcut(L"a.url", "http://a/");
    Show({});
    EXPECT_EQ(Import(), kBookTitle);
    EXPECT_EQ(Import(), std::wstring(kBookTitle) + L"(2)");
    EXPECT_EQ(Import(), std::wstring(kBookTitle) + L"(3)");
    EXPECT_EQ(ListLines().size(), 6u);
    ExpectTreeMatchesRebuild();
}

TEST_F(FavoritesImportTest, NamesAndContentsOfRealFiles)
{
    Shortcut(L"News.URL", "http://news/");
    Shortcut(L"notes.url.txt", "http://notes/");
    WriteFileBytes(L"Favorites\\desktop.ini", "[.ShellClassInfo]\r\nURL=http://no/\r\n");
    WriteFileBytes(L"Favorites\\base.url", "[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nURL=http://real/\r\n");
    Folder(L"a;b");
    Shortcut(L"a;b\\in.url", "http://in/");
    Shortcut(L"\x0100, x.url", "http://u/");
    Shortcut(L"locked.url", "http://locked/");
    Shortcut(L"web.url", "http://web\\");
    Shortcut(L"other.url", "ftp://other\\");   // left out
    HANDLE lock = CreateFileW((favorites_ + L"\\locked.url").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Show({});
    Import();
    CloseHandle(lock);

    Lines lines = ListLines();
    auto folder = std::find(lines.begin(), lines.end(), "1a;b\\");
    ASSERT_TRUE(folder != lines.end() && folder + 1 != lines.end());
    EXPECT_EQ(*(folder + 1), "2in,http://in/") << "a folder with ';' keeps its contents";
    std::set<std::string> topLevel;
    for (const std::string& line : lines)
        if (line[0] == '1') topLevel.insert(line);
    EXPECT_EQ(topLevel, (std::set<std::string>{"1News,http://news/", "1notes.url,http://notes/", "1base,http://real/",
                                               "1a;b\\", "1?" + Cp932("，") + " x,http://u/", "1locked,",
                                               "1web,http://web/"}));
    ASSERT_EQ(g_shownMessages.size(), 2u);   // the question, then what had to change
    EXPECT_NE(g_shownMessages[1].text.find(L"1 件の名前"), std::wstring::npos);
    EXPECT_NE(g_shownMessages[1].text.find(L"1 件のショートカット"), std::wstring::npos);
    EXPECT_NE(g_shownMessages[1].text.find(UnstorableUrlText(1)), std::wstring::npos);
    ExpectTreeMatchesRebuild();
}

TEST_F(FavoritesImportTest, LevelsPastNineAreKeptInTheListAndTheFile)
{
    std::wstring path;
    for (int level = 1; level <= 11; ++level) {
        path += (level == 1 ? L"" : L"\\") + std::wstring(L"d") + std::to_wstring(level);
        Folder(path);
    }
    Shortcut(path + L"\\deep.url", "http://deep/");
    Show({});
    Import();
    Lines lines = ListLines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[9], "9d9\\");
    EXPECT_EQ(lines[10], ":d10\\");
    EXPECT_EQ(lines[11], ";d11\\");
    EXPECT_EQ(lines[12], "<deep,http://deep/");
    EXPECT_EQ(SendMessageW(g_ui.tree, TVM_GETCOUNT, 0, 0), 10) << "depths 0 to 9 are shown";
    ExpectTreeMatchesRebuild();
    Exit();
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(lines));
}

TEST_F(FavoritesImportTest, DeclinedOrWithoutAFolderNothingChanges)
{
    Shortcut(L"a.url", "http://a/");
    Show({"0Mine\\"});
    g_queuedAnswers = {IDNO};
    RunCommand(IDM_IMPORT);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Favorites");
    Import();
    PointFavoritesAt(PathOf(L"nowhere"));
    Import();
    PointFavoritesAt(std::wstring(100 * 1024, L'x'));   // no path is that long
    Import();
    EXPECT_EQ(ListLines(), (Lines{"0Mine\\"}));
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes({"0Mine\\"}));
    ASSERT_EQ(g_shownMessages.size(), 7u);
    EXPECT_EQ(g_shownMessages[2].text, L"お気に入りのフォルダが見つかりませんでした。");
    EXPECT_EQ(g_shownMessages[4].text, g_shownMessages[2].text);
    EXPECT_EQ(g_shownMessages[6].text, g_shownMessages[2].text);
    ExpectTreeMatchesRebuild();
}

TEST_F(FavoritesImportTest, ImportPastTheBoundIsRefusedAndChangesNothing)
{
    for (const wchar_t* name : {L"a.url", L"b.url", L"c.url"}) Shortcut(name, "http://x/");
    Lines lines(kMaxLines - 3, "0b,http://b");
    Show(lines);
    Import();
    ASSERT_EQ(g_shownMessages.size(), 2u);
    EXPECT_NE(g_shownMessages[1].text.find(L"65535"), std::wstring::npos);
    EXPECT_EQ(ListLines(), lines);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), ListFileBytes(lines));
    EXPECT_EQ(SendMessageW(g_ui.tree, TVM_GETCOUNT, 0, 0), static_cast<LRESULT>(lines.size()));
}

TEST_F(FavoritesImportTest, UnreadableListFileIsNeverOverwrittenByTheImport)
{
    Shortcut(L"a.url", "http://a/");
    WriteFileBytes(L"list.dat", "0keep\\\r\n");
    HANDLE lock = CreateFileW(PathOf(L"list.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Start();
    CloseHandle(lock);
    EXPECT_EQ(Import(), kBookTitle);
    EXPECT_EQ(ReadFileBytes(L"list.dat"), "0keep\\\r\n");
    ASSERT_EQ(g_shownMessages.size(), 3u);   // the load, the question, where the list went
    EXPECT_NE(g_shownMessages[2].text.find(L"_unsaved_"), std::wstring::npos);
    ExpectTreeMatchesRebuild();
}

TEST_F(FavoritesImportTest, FailedSaveIsReported)
{
    Shortcut(L"a.url", "http://a/");
    Show({"0Mine\\"});
    // A folder where the list file should be: the save cannot replace it.
    ASSERT_TRUE(DeleteFileW(PathOf(L"list.dat").c_str()));
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"list.dat").c_str(), nullptr));
    EXPECT_EQ(Import(), kBookTitle);
    ASSERT_EQ(g_shownMessages.size(), 2u);
    EXPECT_EQ(g_shownMessages[1].text.rfind(L"リストファイルを保存できませんでした", 0), 0u);
    EXPECT_EQ(ListLines().size(), 3u) << "the import stays in the list for the next save";
    ExpectTreeMatchesRebuild();
}

}  // namespace
