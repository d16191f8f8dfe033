// The real window as rows: files and settings, commands with answers for their dialogs, then the list,
// tree, messages and files. Plain command behaviour is the random test's; rows keep what needs a real
// dialog, file or bound.
#include <map>
#include <set>

#include "core/entry_line.h"
#include "core/lines.h"
#include "core/list_bytes.h"
#include "edit/entry_commands.h"
#include "platform/file.h"
#include "res/resource.h"
#include "tests/app/dialog_driver.h"
#include "tests/app/harness.h"
#include "tests/app/faulty_file.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

// Rows name only the fields they need; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using Lines = std::vector<std::string>;
struct RowRun;
using Hook = void (*)(RowRun&);

struct Act {
    std::vector<std::wstring> select;   // titles from the top; {} keeps the selection
    WORD command = 0;                   // none: only the hooks
    std::vector<DialogStep> dialogs;    // answers to the dialogs it opens, in order
    std::deque<int> answers;            // message-box answers
    Hook before = nullptr, after = nullptr;
    const wchar_t* caret = nullptr;     // the caret's text afterwards (L"" none), when set
};

enum class Aside { None, Beside, Temp };   // where the list went that could not be saved

struct Row {
    const char* name;
    std::optional<std::string> list, backup;               // none: no file
    std::vector<std::pair<const wchar_t*, DWORD>> settings;
    Hook setup = nullptr;                                  // before the start
    std::vector<Act> acts;
    std::optional<Lines> lines;                            // the list after the acts
    std::vector<std::wstring> messages;                    // in order, L"" any; the count always
    bool exit = false;                                     // IDM_EXIT after the acts
    std::optional<std::string> listAfter, backupAfter;     // "<missing>": no file
    Aside aside = Aside::None;                             // holding the list as the acts left it
    Hook check = nullptr;                                  // rare extra checks, last
};

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

void PointFavoritesAt(const std::optional<std::wstring>& folder)
{
    if (!folder) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Favorites");
        return;
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Favorites", REG_SZ, folder->c_str(),
                    static_cast<DWORD>((folder->size() + 1) * sizeof(wchar_t)));
}

struct RowRun : AppTest, ::testing::WithParamInterface<Row> {
    std::unique_ptr<HeldOpen> held;   // released after the start and after each act
    std::optional<std::wstring> favorites;   // the user's Favorites folder, put back at the end
    void Hold(const wchar_t* name) { held = std::make_unique<HeldOpen>(PathOf(name)); ASSERT_TRUE(held->held()); }
    // The Favorites folder of the test, with shortcut files ("name" -> URL) and folders ("name\\").
    void Favorites(std::initializer_list<std::pair<const wchar_t*, const char*>> entries)
    {
        wchar_t value[4096];
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_CURRENT_USER, kShellFolders, L"Favorites", RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS)
            favorites = value;
        ASSERT_TRUE(CreateDirectoryW(PathOf(L"Favorites").c_str(), nullptr));
        PointFavoritesAt(PathOf(L"Favorites"));
        for (const auto& [name, url] : entries) {
            std::wstring path = PathOf(std::wstring(L"Favorites\\") + name);
            if (path.back() == L'\\') ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
            else ASSERT_TRUE(WriteBytes(path, std::string(url).rfind("[", 0) == 0 ? std::string(url) : "[InternetShortcut]\r\nURL=" + std::string(url) + "\r\n"));
        }
    }
    void TearDown() override
    {
        PointFavoritesAt(favorites);
        AppTest::TearDown();
    }
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

using RowsTest = RowRun;
TEST_P(RowsTest, Runs)
{
    const Row& row = GetParam();
    RowRun& run = *this;
    if (row.list) run.WriteFileBytes(L"list.dat", *row.list);
    if (row.backup) run.WriteFileBytes(L"_backup.dat", *row.backup);
    for (const auto& [name, value] : row.settings) SetSettingDword(name, value);
    if (row.setup) row.setup(run);
    run.Start();
    run.held.reset();
    for (const Act& act : row.acts) {
        if (act.before) act.before(run);
        if (!act.select.empty()) Select(act.select);
        g_queuedAnswers = act.answers;
        ScriptDialogs(act.dialogs);
        if (act.command) RunCommand(act.command);
        StopDialogScript();
        run.held.reset();
        EXPECT_EQ(g_unplannedDialogs, 0) << "command " << act.command;
        if (act.caret) {
            EXPECT_EQ(CaretItem() ? ItemText(g_ui.tree, CaretItem()) : L"", act.caret) << "command " << act.command;
        }
        if (act.after) act.after(run);
    }
    if (row.lines) {
        EXPECT_EQ(g_bookmarks.lines, *row.lines);
    }
    if (g_ui.main && IsWindow(g_ui.main)) {   // the tree against the lines, and each shown line's item back
        ExpectTreeMatchesList();
        HTREEITEM caret = CaretItem();
        for (size_t i = 0; g_bookmarks.lines.size() <= 2000 && i < g_bookmarks.lines.size(); ++i)
            if (HTREEITEM item = SelectItemOfLine(static_cast<long>(i))) {
                EXPECT_EQ(FindLineOfItem(item), static_cast<long>(i));
            }
        SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(caret));
    }
    if (row.exit) run.Exit();
    ASSERT_EQ(g_shownMessages.size(), row.messages.size());
    for (size_t i = 0; i < row.messages.size(); ++i)
        if (!row.messages[i].empty()) {
            EXPECT_EQ(g_shownMessages[i].text, row.messages[i]) << "message " << i;
        }
    if (row.listAfter) {
        EXPECT_TRUE(run.ReadFileBytes(L"list.dat") == *row.listAfter) << "list file";
    }
    if (row.backupAfter) {
        EXPECT_TRUE(run.ReadFileBytes(L"_backup.dat") == *row.backupAfter) << "backup";
    }
    EXPECT_TRUE(TemporaryFilesIn(run.folder()).empty());
    std::vector<SideFile> beside = SideFiles(run.folder(), false), temp = SideFiles(TemporaryFolder(), true);
    ASSERT_EQ(beside.size(), row.aside == Aside::Beside ? 1u : 0u);
    ASSERT_EQ(temp.size(), row.aside == Aside::Temp ? 1u : 0u);
    for (const std::vector<SideFile>* side : {&beside, &temp})
        for (const SideFile& kept : *side) {
            EXPECT_EQ(kept.bytes, FormatListBytes(g_bookmarks.lines));
            if (side == &beside && !g_shownMessages.empty()) {
                EXPECT_NE(g_shownMessages.back().text.find(kept.name), std::wstring::npos);
            }
        }
    if (row.check) row.check(run);
}

const Lines kList{"0Work\\", "1Tools\\", "2Editor,http://e", "0Home\\", "1Mail,http://m"};
const std::string kBytes = FormatListBytes(kList);
const Lines kAlmostFull = [] { Lines l(kMaxLines - 1, "0b,http://b"); l[0] = "0A\\"; return l; }();
const Lines kOld{"0Old\\", "1Page,http://old"};
const std::wstring kAskRestore = L"前回終了時の状態に戻してよろしいですか？";

// Bytes no run writes: orphans, a URL with a child, too deep, empty, no format, 表 and ソ ending in 0x5C,
// equal titles in other folders, bytes without characters (0x85 0x40, 0xFA 0x40) and a 1500-byte title.
const std::string kOdd =
    FormatListBytes({"1orphan,http://o", "0plain text", "0Work\\", "1Tools\\", "2Editor,http://a", "0Home\\",
                     "1Editor,http://b", "1u,http://u", "2child,http://c", "1News Archive,http://c", "1News,http://d",
                     "1news,http://e", "0B\\", "1G\\", "0C\\", "2late,http://l", "", ":deep\\", "1after,http://a",
                     "0Folder, with comma\\", "0ends in backslash,http://x\\", "0bad\x85\x40x\\", "1\xFA\x40,http://r",
                     "0" + std::string(1500, 'T') + "\\", "1" + std::string(1500, 'T') + "2,http://l"}) +
    "0\x95\x5C\x8C\x76\x8E\x5A\\\r\n1\x83\x5C\x83\x74\x83\x67,http://s\r\n";

const wchar_t kBook[] = L"インターネットエクスプローラ";
const wchar_t kBook2[] = L"インターネットエクスプローラ(2)";
const std::string kBookTitle932 = "\x83\x43\x83\x93\x83\x5E\x81\x5B\x83\x6C\x83\x62\x83\x67\x83\x47\x83\x4E\x83\x58\x83\x76\x83\x8D\x81\x5B\x83\x89";
const std::string kBookLine = "0" + kBookTitle932 + "\\";
const std::wstring kAskImport = L"インターネットエクスプローラのお気に入りをインポートしますか？";
const std::wstring kNoFavorites = L"お気に入りのフォルダが見つかりませんでした。";
const std::string kOldFile = "0Old\\\r\n1a,http://a/\r\n";
const std::string kOldBackup = "0Backup of an earlier run\\\r\n";
const std::string kLoose("0Old\\\n1a,http://a/\0\r\n1b,http://b/", 32);

void ExpectWindow(RECT expected, bool topmost)
{
    RECT r{};
    GetWindowRect(g_ui.main, &r);
    EXPECT_TRUE(r.left == expected.left && r.top == expected.top && r.right == expected.right && r.bottom == expected.bottom)
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    EXPECT_EQ((GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topmost);
}

void ExpectStored(std::initializer_list<std::pair<const wchar_t*, DWORD>> values)
{
    for (const auto& [name, value] : values) EXPECT_EQ(StoredDword(name), value) << NarrowForLog(name);
}

// A line added behind the tree, then the tree rebuilt with the first line selected.
void AddAndRebuild(RowRun&)
{
    AddLine(g_bookmarks, "0Added\\");
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(RebuildTree(0)));
}

void TreeRowCheck(RowRun&)
{
    HTREEITEM before = CaretItem();
    for (long line : {-1L, 16L, 17L, static_cast<long>(g_bookmarks.lines.size())}) EXPECT_EQ(SelectItemOfLine(line), nullptr);
    EXPECT_EQ(CaretItem(), before);
    EXPECT_EQ(FindLineOfItem(ItemAtPath({L"Home", L"news"})), 11);
}

using Settings = std::vector<std::pair<const wchar_t*, DWORD>>;
const Settings kNoAsk{{L"AskFlg", 0}}, kSortedNoAsk{{L"AskFlg", 0}, {L"SortFlg", 1}};
const Lines kGap{"0A\\", "1F\\", "1G\\", "2u,http://u", "", "2w,http://w", "0B\\"};
const Lines kLevelGap{"0A\\", "1G\\", "2u,http://u", "", "2w,http://w", "0B\\"};

const std::vector<Row> kRows = {
    // What random sequences found. An entry or level whose lines stop at an empty line leaves the lines
    // after it shown where a rebuild puts them; titles the collation weighs alike ("a々", "aー") stand in a
    // sorted tree in one order however they came into it.
    {.name = "GapDelete", .list = FormatListBytes(kGap), .settings = kNoAsk,
     .acts = {{.select = {L"A", L"G"}, .command = IDM_DELETE, .caret = L"A"}},
     .lines = Lines{"0A\\", "1F\\", "", "2w,http://w", "0B\\"}},
    {.name = "GapCut", .list = FormatListBytes(kGap), .settings = kNoAsk,
     .acts = {{.select = {L"A", L"G"}, .command = IDM_CUT, .caret = L"A"}},
     .lines = Lines{"0A\\", "1F\\", "", "2w,http://w", "0B\\"}},
    {.name = "GapDeleteLevel", .list = FormatListBytes(kLevelGap), .settings = kNoAsk,
     .acts = {{.select = {L"A", L"G", L"u"}, .command = IDM_DELETELEVEL, .caret = L"G"}},
     .lines = Lines{"0A\\", "1G\\", "", "2w,http://w", "0B\\"}},
    {.name = "GapCutLevel", .list = FormatListBytes(kLevelGap), .settings = kNoAsk,
     .acts = {{.select = {L"A", L"G", L"u"}, .command = IDM_CUTLEVEL, .caret = L"G"}},
     .lines = Lines{"0A\\", "1G\\", "", "2w,http://w", "0B\\"}},
    {.name = "DeleteToTheEnd", .list = FormatListBytes({"0A\\", "1G\\", "2u,http://u"}), .settings = kNoAsk,
     .acts = {{.select = {L"A", L"G"}, .command = IDM_DELETE}}, .lines = Lines{"0A\\"}},
    {.name = "AlikeNewUrl", .list = FormatListBytes({"0A\\", Cp932("1aー,http://x")}), .settings = kSortedNoAsk,
     .acts = {{.select = {L"A"}, .command = IDM_NEWURL, .dialogs = {Ok(L"a々", L"http://n")}}},
     .lines = Lines{"0A\\", Cp932("1a々,http://n"), Cp932("1aー,http://x")}},
    {.name = "AlikeNewUrlTheOtherWay", .list = FormatListBytes({"0A\\", Cp932("1a々,http://x")}), .settings = kSortedNoAsk,
     .acts = {{.select = {L"A"}, .command = IDM_NEWURL, .dialogs = {Ok(L"aー", L"http://n")}}},
     .lines = Lines{"0A\\", Cp932("1aー,http://n"), Cp932("1a々,http://x")}},
    {.name = "AlikeRename", .list = FormatListBytes({"0A\\", "1x,http://x", Cp932("1a々,http://z"), "1b,http://y"}),
     .settings = kSortedNoAsk, .acts = {{.select = {L"A", L"x"}, .command = IDM_EDIT, .dialogs = {Ok(L"aー")}}},
     .lines = Lines{"0A\\", Cp932("1aー,http://x"), Cp932("1a々,http://z"), "1b,http://y"}},
    {.name = "AlikeNewBook", .list = FormatListBytes({Cp932("0ー\\"), "0z\\"}), .settings = kSortedNoAsk,
     .acts = {{.command = IDM_NEWBOOK, .dialogs = {Ok(L"々")}}}, .lines = Lines{Cp932("0ー\\"), "0z\\", Cp932("0々\\")}},
    // Entry dialogs: each refused text is said, and the dialog stays open with what was typed.
    {.name = "RefusedEntryTextsKeepTheDialogOpen", .list = FormatListBytes({"0A\\"}),
     .acts = {{.select = {L"A"}, .command = IDM_NEWURL,
               .dialogs = {Ok(L"a,b", L"http://x"), Ok(L"t", L""), Ok(L"ti\r\ntle", L"http://x"),
                           Ok(L"t", L"http://x/\ny"), Ok(L"t", L"ftp://x\\"), Ok(L"\x0100", L"http://x"),
                           Ok(L"t", L"x/\x8868")},
               .after = [](RowRun&) {
                   ASSERT_EQ(g_seenDialogs.size(), 7u);
                   EXPECT_EQ(g_seenDialogs[0].caption, L"URL");
                   EXPECT_EQ(g_seenDialogs[1].title, L"a,b");
               }},
              {.command = IDM_NEWBOOK, .dialogs = {Ok(L""), Ok(L"x\\y"), Ok(L"a\rb"), Ok(L"Folder, comma")},
               .after = [](RowRun&) { EXPECT_EQ(g_seenDialogs[0].caption, L"ﾌﾞｯｸ/ｸﾞﾙｰﾌﾟ"); }}},
     .lines = Lines{"0A\\", "1t,http://x/%E8%A1%A8", "0Folder, comma\\"},
     .messages = {L"", L"URLを入力してください", L"ﾀｲﾄﾙに改行は使えません。", L"URLに改行は使えません。",
                  UnstorableUrlText(0), L"", L"ﾀｲﾄﾙを入力してください", L"", L"ﾀｲﾄﾙに改行は使えません。"}},
    // A URL too long once "http://" is added, then no room for "(2)": refused, never cut.
    {.name = "TextsThatWouldNotFitAreRefused", .list = FormatListBytes({"0A\\", "1" + std::string(254, 't') + ",http://t"}),
     .acts = {{.select = {L"A"}, .command = IDM_NEWURL,
               .dialogs = {{L"t1", std::wstring(249, L'u')}, {std::wstring(254, L't'), std::wstring(248, L'u')}, Cancel()}}},
     .lines = Lines{"0A\\", "1" + std::string(254, 't') + ",http://t"}, .messages = {L"", L""}},
    // Two lines past the bound are refused, the last one taken, then nothing more.
    {.name = "NoLinePastTheBound", .list = FormatListBytes(kAlmostFull),
     .acts = {{.select = {L"A"}, .command = IDM_COPY}, {.command = IDM_COPYADD}, {.command = IDM_PASTE},
              {.command = IDM_PASTEROOT}, {.select = {L"A"}, .command = IDM_NEWGROUP, .dialogs = {Ok(L"g")}},
              {.command = IDM_NEWBOOK}},
     .messages = {L"", L"", L""}, .check = [](RowRun&) {
         Lines full = kAlmostFull;
         full.insert(full.begin() + 1, "1g\\");
         EXPECT_EQ(g_bookmarks.lines, full);
     }},
    // Another program's reload while the dialog is open: the entry still goes into the folder
    // that was selected, or nowhere once it is gone.
    {.name = "ReloadDuringTheDialogKeepsTheFolder", .list = FormatListBytes({"0A\\", "0B\\", "1b,http://b"}),
     .acts = {{.select = {L"B"}, .command = IDM_NEWURL, .dialogs = {Ok(L"new", L"http://new")},
               .before = [](RowRun& run) {
                   run.WriteFileBytes(L"list.dat", FormatListBytes({"0N\\", "0A\\", "0B\\", "1b,http://b"}));
                   PostMessageW(g_ui.main, WM_COMMAND, IDM_RELOAD, 0);
               }},
              {.select = {L"B"}, .command = IDM_NEWURL, .dialogs = {Ok(L"gone", L"http://gone")},
               .before = [](RowRun& run) {
                   EXPECT_EQ(g_bookmarks.lines, (Lines{"0N\\", "0A\\", "0B\\", "1new,http://new", "1b,http://b"}));
                   run.WriteFileBytes(L"list.dat", FormatListBytes({"0A\\", "0N\\"}));
                   PostMessageW(g_ui.main, WM_COMMAND, IDM_RELOAD, 0);
               }}},
     .lines = Lines{"0A\\", "0N\\"}},
    // The list changed behind the tree: an item without its line changes nothing.
    {.name = "ItemWithoutItsLineChangesNothing", .list = FormatListBytes({"0A\\", "1u,http://u", "0B\\"}),
     .acts = {{.select = {L"A"}, .command = IDM_COPY},
              {.select = {L"A", L"u"}, .before = [](RowRun&) { g_bookmarks.lines = {"0X\\", "0B\\"}; }},
              {.command = IDM_EDIT}, {.command = IDM_DELETE}, {.command = IDM_DELETELEVEL}, {.command = IDM_CUT},
              {.command = IDM_COPYADD}, {.command = IDM_CUTLEVEL}, {.select = {L"A"}, .command = IDM_NEWGROUP},
              {.command = IDM_NEWURL}, {.command = IDM_DELETE}, {.command = IDM_PASTE},
              {.after = [](RowRun&) {
                   EXPECT_EQ(g_clip.lines, (Lines{"0A\\", "1u,http://u"}));
                   RebuildTree(0);
               }}},
     .lines = Lines{"0X\\", "0B\\"}},
    // The find dialog: its texts, the box shown set for any stored value but 0 and stored as
    // checked, and a text without a CP932 form refused with the dialog kept open.
    {.name = "FindDialog", .list = kBytes, .settings = {{L"ChkFindStr", 2}},
     .acts = {{.command = IDM_FIND,
               .dialogs = {DialogStep().Text(IDC_FIND_TEXT, L"\x0100").Check(IDC_FIND_IGNORECASE, true),
                           DialogStep().Text(IDC_FIND_TEXT, L"MAIL")},
               .after = [](RowRun&) {
                   const SeenDialog& seen = g_seenDialogs.at(0);
                   EXPECT_EQ(seen.caption, L"検索");
                   EXPECT_EQ(seen.texts.at(IDC_FIND_LABEL), L"検索文字列");
                   EXPECT_EQ(seen.texts.at(IDC_FIND_IGNORECASE), L"大文字と小文字を区別しない");
                   EXPECT_EQ(seen.texts.at(IDCANCEL), L"ｷｬﾝｾﾙ");
                   EXPECT_EQ(seen.texts.at(IDC_FIND_TEXT), L"");
                   EXPECT_TRUE(seen.checks.at(IDC_FIND_IGNORECASE));
                   EXPECT_EQ(g_seenDialogs.at(1).texts.at(IDC_FIND_TEXT), L"\x0100");
                   EXPECT_EQ(StoredDword(L"ChkFindStr"), 1u);
               },
               .caret = L"Mail"},
              {.command = IDM_FIND, .dialogs = {DialogStep().Text(IDC_FIND_TEXT, L"Mail").Check(IDC_FIND_IGNORECASE, false)},
               .after = [](RowRun&) { EXPECT_EQ(StoredDword(L"ChkFindStr"), 0u); }}},
     .messages = {L""}},
    // Reload and restore with files that are missing or cannot be read: the list stays, and a
    // file that could not be read is never replaced.
    {.name = "ReloadOfAnUnreadableFile", .list = kBytes,
     .acts = {{.select = {L"Home"}, .command = IDM_DELETE, .answers = {IDYES}},
              {.command = IDM_RELOAD, .before = [](RowRun& run) { run.Hold(L"list.dat"); }}},
     .lines = Lines(kList.begin(), kList.begin() + 3), .messages = {L"削除してよろしいですか？", L"", L""}, .exit = true,
     .listAfter = kBytes, .aside = Aside::Beside},
    {.name = "ReloadOrRestoreWithoutAReadableFile", .list = kBytes,
     .acts = {{.command = IDM_RESTORE, .answers = {IDNO}}, {.command = IDM_RESTORE, .answers = {IDYES}},
              {.command = IDM_RESTORE, .answers = {IDYES},
               .before = [](RowRun& run) {
                   run.WriteFileBytes(L"_backup.dat", FormatListBytes(kOld));
                   run.Hold(L"_backup.dat");
               }},
              {.command = IDM_RELOAD, .before = [](RowRun& run) { DeleteFileW(run.PathOf(L"list.dat").c_str()); }}},
     .lines = kList,
     .messages = {kAskRestore, kAskRestore, L"前回終了時のﾃﾞｰﾀが保存されていない為\n実行できません", kAskRestore, L"", L""},
     .check = [](RowRun&) { EXPECT_NE(g_shownMessages[4].text.find(L"_backup.dat"), std::wstring::npos); }},
    {.name = "RestoredListIsWrittenAtExit", .list = kBytes, .backup = FormatListBytes(kOld),
     .acts = {{.command = IDM_RESTORE, .answers = {IDYES},
               .after = [](RowRun& run) { EXPECT_EQ(run.ReadFileBytes(L"list.dat"), kBytes); }, .caret = L"Old"}},
     .lines = kOld, .messages = {kAskRestore}, .exit = true, .listAfter = FormatListBytes(kOld),
     .backupAfter = FormatListBytes(kOld)},
    // The tree of a list no run writes, in list order and sorted; and of no list.
    {.name = "OddListUnsorted", .list = kOdd, .settings = {{L"SortFlg", 0}}, .lines = ParseListBytes(kOdd),
     .check = TreeRowCheck},
    {.name = "OddListSorted", .list = kOdd, .settings = {{L"SortFlg", 1}}, .lines = ParseListBytes(kOdd),
     .check = TreeRowCheck},
    {.name = "NoListFile", .settings = {{L"SortFlg", 1}}, .acts = {{.caret = L""}}, .lines = Lines{}, .exit = true,
     .listAfter = ""},
    // List files that cannot be read or replaced are never written over; the edits of the run
    // go to a side file named in the last message.
    {.name = "LockedAtStartEditsGoAside", .list = kBytes, .setup = [](RowRun& run) { run.Hold(L"list.dat"); },
     .acts = {{.before = AddAndRebuild}}, .lines = Lines{"0Added\\"}, .messages = {L"", L""}, .exit = true,
     .listAfter = kBytes, .backupAfter = "<missing>", .aside = Aside::Beside,
     .check = [](RowRun& run) { EXPECT_NE(g_shownMessages[0].text.find(run.PathOf(L"list.dat")), std::wstring::npos); }},
    {.name = "TooManyLinesAreKept", .list = FormatListBytes(Lines(kMaxLines + 1, "0b\\")), .acts = {{.before = AddAndRebuild}},
     .lines = Lines{"0Added\\"}, .messages = {L"", L""}, .exit = true, .listAfter = FormatListBytes(Lines(kMaxLines + 1, "0b\\")),
     .aside = Aside::Beside},
    // A folder where the list file should be: the replace fails, silently while the session
    // ends, and the backup stays.
    {.name = "FolderInPlaceOfTheList", .backup = "0previous\\\r\n",
     .acts = {{.before = [](RowRun& run) {
                   ASSERT_TRUE(CreateDirectoryW(run.PathOf(L"list.dat").c_str(), nullptr));
                   AddAndRebuild(run);
                   SendMessageW(g_ui.main, WM_ENDSESSION, TRUE, 0);
                   EXPECT_TRUE(g_shownMessages.empty());
                   EXPECT_EQ(SideFiles(run.folder(), true).size(), 1u);   // the exit's save makes the next
               }}},
     .lines = Lines{"0Added\\"}, .messages = {L""}, .exit = true, .backupAfter = "0previous\\\r\n", .aside = Aside::Beside},
    {.name = "OneGiantLineIsKept", .setup = [](RowRun& run) { run.WriteFileBytes(L"list.dat", "0" + std::string(32u << 20, 'a')); },
     .exit = true, .check = [](RowRun& run) {
         std::string kept = "0" + std::string(32u << 20, 'a') + "\r\n";
         EXPECT_TRUE(run.ReadFileBytes(L"list.dat") == kept && run.ReadFileBytes(L"_backup.dat") == kept);
     }},
    // Stored settings are used and written back, the list file's name through CP932.
    {.name = "StoredSettingsAreUsed",
     .settings = {{L"X", 100}, {L"Y", 50}, {L"Width", 300}, {L"Height", 400}, {L"TopMode", 0}, {L"SelectWeb", 4},
                  {L"CurSelect", 4}},
     .setup = [](RowRun& run) {
         SetSettingString(L"datafile", L"\x8868\x8A08\x7B97.dat");
         run.WriteFileBytes(L"\x8868\x8A08\x7B97.dat", kBytes);
     },
     .acts = {{.after = [](RowRun&) {
                   ExpectWindow({100, 50, 400, 450}, false);
                   EXPECT_EQ(FindWindowW(L"LARKIT", nullptr), g_ui.main);
               },
               .caret = L"Mail"}},
     .lines = kList, .exit = true, .listAfter = "<missing>", .backupAfter = kBytes, .check = [](RowRun& run) {
         std::wstring stored;
         EXPECT_TRUE(ReadSettingString(L"datafile", &stored) && stored == L"\x8868\x8A08\x7B97.dat");
         EXPECT_EQ(run.ReadFileBytes(L"\x8868\x8A08\x7B97.dat"), kBytes);
         ExpectStored({{L"SelectWeb", 4}, {L"CurSelect", 4}});
     }},
    {.name = "FirstStartFloatsWithDefaults", .list = kBytes,
     .acts = {{.after = [](RowRun&) {
                   ExpectWindow({20, 20, 220, 620}, true);
                   EXPECT_EQ(GetDlgCtrlID(g_ui.tree), IDC_TREE);
                   for (int id : {IDC_BOOKMARKLIST, IDC_CLIPLIST, IDC_IMPORTLIST, IDC_SORTEDLIST, IDC_CLIPEDIT})
                       EXPECT_NE(GetDlgItem(g_ui.main, id), nullptr) << id;
                   EXPECT_EQ(g_set.selectWeb, 1u);
                   EXPECT_EQ(g_set.chkFindStr, 2u);
               },
               .caret = L"Work"}},
     .exit = true, .listAfter = kBytes, .backupAfter = kBytes, .check = [](RowRun& run) {
         ExpectStored({{L"FloatMode", 1}, {L"X", 20}, {L"Y", 20}, {L"Width", 200}, {L"Height", 600}, {L"SelectWeb", 1},
                       {L"dt_width", 200}, {L"AppBarMode", 0}, {L"CurSelect", 0}});
         std::wstring text;
         EXPECT_TRUE(ReadSettingString(L"datafile", &text) && text == L"list.dat");
         EXPECT_TRUE(ReadSettingString(L"curpath", &text) && text == run.folder());
     }},
    {.name = "EndSessionSavesAndKeepsRunning", .list = kBytes,
     .acts = {{.before = AddAndRebuild, .after = [](RowRun& run) {
                   SendMessageW(g_ui.main, WM_ENDSESSION, FALSE, 0);
                   EXPECT_TRUE(IsWindow(g_ui.main));
                   EXPECT_EQ(run.ReadFileBytes(L"list.dat"), kBytes + "0Added\\\r\n");
                   EXPECT_EQ(run.ReadFileBytes(L"_backup.dat"), kBytes + "0Added\\\r\n");
                   ExpectStored({{L"CurSelect", 0}});
               }}}},
    // The list as last read or saved, edited by hand while the list did not change: the edit stays.
    {.name = "HandEditStaysWhenTheListDidNotChange", .list = kBytes,
     .acts = {{.before = [](RowRun& run) { run.WriteFileBytes(L"list.dat", "0Edited\\\r\n"); }}},
     .exit = true, .listAfter = "0Edited\\\r\n", .backupAfter = "<missing>",
     .check = [](RowRun& run) {
         for (const std::wstring& name : NamesInFolder(run.folder())) EXPECT_EQ(name.find(L"list_edited_"), std::wstring::npos);
     }},
    {.name = "QuitLeavesTheFile", .list = kBytes,
     .acts = {{.command = IDM_QUIT, .before = AddAndRebuild, .after = [](RowRun& run) {
                   MSG msg;
                   EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
                   EXPECT_EQ(run.ReadFileBytes(L"list.dat"), kBytes);
                   EXPECT_EQ(run.ReadFileBytes(L"_backup.dat"), "<missing>");
                   DestroyWindow(g_ui.main);   // the test's own clean-up; this one saves
                   PumpMessages();
               }}}},
    {.name = "BarWidthOfThirtyOrLessIsNotWritten", .settings = {{L"dt_width", 77}},
     .acts = {{.before = [](RowRun&) {
         g_ui.widthTracking = false;
         g_set.dtWidth = 30;
     }}},
     .exit = true, .check = [](RowRun&) { ExpectStored({{L"dt_width", 77}}); }},
    // With the folder, a path past the platform's short-path limit.
    {.name = "LongDataFileName", .setup = [](RowRun&) { SetSettingString(L"datafile", std::wstring(240, L'n') + L".dat"); },
     .acts = {{.before = AddAndRebuild}}, .exit = true, .backupAfter = "0Added\\\r\n", .check = [](RowRun& run) {
         EXPECT_EQ(run.ReadFileBytes(std::wstring(240, L'n') + L".dat"), "0Added\\\r\n");
         std::wstring stored;
         EXPECT_TRUE(ReadSettingString(L"datafile", &stored) && stored == std::wstring(240, L'n') + L".dat");
     }},
    // Saves that meet trouble: the list file keeps its old bytes or takes the new ones, never a
    // mix; a failed save never replaces the backup.
    {.name = "FolderRefusingNewFiles", .list = kOldFile, .backup = kOldBackup,
     .acts = {{.before = [](RowRun& run) {
         AddAndRebuild(run);
         g_fileFaults.readOnlyFolders = {run.folder()};
     }}},
     .messages = {L""}, .exit = true, .listAfter = kOldFile, .backupAfter = kOldBackup, .aside = Aside::Temp},
    {.name = "FolderVanishing", .list = kOldFile, .backup = kOldBackup,
     .acts = {{.before = AddAndRebuild, .after = [](RowRun& run) {
         // The program works with whole paths; the test only has to leave the folder to move it.
         SetCurrentDirectoryW(TemporaryFolder().c_str());
         ASSERT_TRUE(MoveFileW(run.folder().c_str(), (run.folder() + L"-moved").c_str()));
         run.Exit();
         EXPECT_EQ(GetFileAttributesW(run.folder().c_str()), INVALID_FILE_ATTRIBUTES) << "the save made the folder again";
         ASSERT_TRUE(MoveFileW((run.folder() + L"-moved").c_str(), run.folder().c_str()));
     }}},
     .messages = {L""}, .listAfter = kOldFile, .backupAfter = kOldBackup, .aside = Aside::Temp},
    {.name = "DiskFullInTheList", .list = kOldFile, .backup = kOldBackup,
     .acts = {{.before = [](RowRun& run) {
         AddAndRebuild(run);
         g_fileFaults.diskRoom = static_cast<long long>(kOldFile.size() / 2 + 6);
     }}},
     .messages = {L""}, .exit = true, .listAfter = kOldFile, .backupAfter = kOldBackup,
     .check = [](RowRun&) { EXPECT_NE(g_shownMessages[0].text.find(L"保存できる場所がありませんでした"), std::wstring::npos); }},
    {.name = "DiskFullInTheBackup", .list = kOldFile, .backup = kOldBackup,
     .acts = {{.before = [](RowRun& run) {
         AddAndRebuild(run);
         g_fileFaults.diskRoom = static_cast<long long>((kOldFile.size() + 9) * 3 / 2);
     }}},
     .exit = true, .listAfter = kOldFile + "0Added\\\r\n", .backupAfter = kOldBackup,
     .check = [](RowRun&) { EXPECT_EQ(g_fileFaults.diskRoom, 0) << "the backup is written through the file layer"; }},
    // Bytes the program would not write itself (a NUL, an LF alone, no last line end) stay when
    // no write can succeed, go back in the list file's own form, and need no write after that.
    {.name = "LooseBytesKeptWhenNoWriteCan", .list = kLoose, .backup = kOldBackup,
     .acts = {{.before = [](RowRun& run) { g_fileFaults.readOnlyFolders = {run.folder()}; }}},
     .messages = {L""}, .exit = true, .listAfter = kLoose, .backupAfter = kOldBackup, .aside = Aside::Temp},
    {.name = "LooseBytesWrittenInTheOwnForm", .list = kLoose, .backup = kOldBackup, .exit = true,
     .listAfter = FormatListBytes(ParseListBytes(kLoose)), .backupAfter = FormatListBytes(ParseListBytes(kLoose))},
    {.name = "OwnBytesNeedNoWrite", .list = FormatListBytes(ParseListBytes(kLoose)),
     .acts = {{.before = [](RowRun& run) { g_fileFaults.readOnlyFolders = {run.folder()}; }}}, .exit = true,
     .listAfter = FormatListBytes(ParseListBytes(kLoose))},
    // A list file's name past its capacity (in characters or CP932 bytes) falls back to list.dat.
    {.name = "DataFileNamePastItsCapacity", .list = kBytes,
     .setup = [](RowRun&) { SetSettingString(L"datafile", std::wstring(511, L'x')); }, .lines = kList},
    {.name = "DataFileNamePastItsCapacityInBytes", .list = kBytes,
     .setup = [](RowRun&) { SetSettingString(L"datafile", std::wstring(256, L'\x8868')); }, .lines = kList},
    // The Favorites import over real folders: folders in the order the listing gives, their
    // contents in its reverse; the list saved at once.
    {.name = "ImportFollowsTheListingOrder", .list = FormatListBytes({"0Mine\\", "1m,http://m"}),
     .setup = [](RowRun& run) {
         run.Favorites({{L"a.url", "http://a/"}, {L"F\\", ""}, {L"b.url", "http://b/"}, {L"F\\x.url", "http://x/"},
                        {L"F\\y.url", "http://y/"}, {L"F\\G\\", ""}});
     },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES}, .caret = kBook}}, .messages = {kAskImport},
     .check = [](RowRun& run) {
         std::map<std::wstring, std::string> line{{L"a.url", "1a,http://a/"}, {L"F", "1F\\"}, {L"b.url", "1b,http://b/"},
                                                  {L"x.url", "2x,http://x/"}, {L"y.url", "2y,http://y/"}, {L"G", "2G\\"}};
         Lines expected{"0Mine\\", "1m,http://m", kBookLine};
         for (const std::wstring& name : NamesInFolder(run.PathOf(L"Favorites"))) {
             expected.push_back(line.at(name));
             std::vector<std::wstring> inF = NamesInFolder(run.PathOf(L"Favorites\\F"));
             if (name == L"F")
                 for (auto it = inF.rbegin(); it != inF.rend(); ++it) expected.push_back(line.at(*it));
         }
         EXPECT_EQ(g_bookmarks.lines, expected);
         EXPECT_EQ(run.ReadFileBytes(L"list.dat"), FormatListBytes(expected));
         EXPECT_EQ(CaretItem(), RelatedItem(g_ui.tree, ItemAtPath({L"Mine"}), TVGN_NEXT));
     }},
    {.name = "RepeatedImportsNumberTheBook", .setup = [](RowRun& run) { run.Favorites({{L"a.url", "http://a/"}}); },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES}, .caret = kBook},
              {.command = IDM_IMPORT, .answers = {IDYES}, .caret = kBook2}},
     .lines = Lines{kBookLine, "1a,http://a/", "0" + kBookTitle932 + "(2)\\", "1a,http://a/"},
     .messages = {kAskImport, kAskImport}},
    // Real names and contents: extensions in any case, desktop.ini, a BASEURL before the URL, a
    // folder with ';', a name without a CP932 form, a locked shortcut, a URL ending in '\'.
    {.name = "ImportOfRealFiles", .setup = [](RowRun& run) {
         run.Favorites({{L"News.URL", "http://news/"}, {L"notes.url.txt", "http://notes/"},
                        {L"desktop.ini", "[.ShellClassInfo]\r\nURL=http://no/\r\n"},
                        {L"base.url", "[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nURL=http://real/\r\n"},
                        {L"a;b\\", ""}, {L"a;b\\in.url", "http://in/"}, {L"\x0100, x.url", "http://u/"},
                        {L"locked.url", "http://locked/"}, {L"web.url", "http://web\\"}, {L"other.url", "ftp://other\\"}});
     },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES}, .before = [](RowRun& run) { run.Hold(L"Favorites\\locked.url"); }}},
     .messages = {kAskImport, L""}, .check = [](RowRun&) {
         const Lines& lines = g_bookmarks.lines;
         auto folder = std::find(lines.begin(), lines.end(), "1a;b\\");
         ASSERT_TRUE(folder != lines.end() && folder + 1 != lines.end());
         EXPECT_EQ(*(folder + 1), "2in,http://in/") << "a folder with ';' keeps its contents";
         std::set<std::string> top;
         for (const std::string& line : lines)
             if (line[0] == '1') top.insert(line);
         EXPECT_EQ(top, (std::set<std::string>{"1News,http://news/", "1notes.url,http://notes/", "1base,http://real/", "1a;b\\",
                                               "1?\x81\x43 x,http://u/", "1locked,", "1web,http://web/"}));
         for (std::wstring part : {std::wstring(L"1 件の名前"), std::wstring(L"1 件のショートカット"), UnstorableUrlText(1)})
             EXPECT_NE(g_shownMessages[1].text.find(part), std::wstring::npos);
     }},
    {.name = "ImportDeclinedOrWithoutAFolder", .list = FormatListBytes({"0Mine\\"}),
     .setup = [](RowRun& run) { run.Favorites({{L"a.url", "http://a/"}}); },
     .acts = {{.command = IDM_IMPORT, .answers = {IDNO}},
              {.command = IDM_IMPORT, .answers = {IDYES}, .before = [](RowRun&) { PointFavoritesAt(std::nullopt); }},
              {.command = IDM_IMPORT, .answers = {IDYES}, .before = [](RowRun& run) { PointFavoritesAt(run.PathOf(L"nowhere")); }},
              {.command = IDM_IMPORT, .answers = {IDYES},   // no path is that long
               .before = [](RowRun&) { PointFavoritesAt(std::wstring(100 * 1024, L'x')); }}},
     .lines = Lines{"0Mine\\"}, .messages = {kAskImport, kAskImport, kNoFavorites, kAskImport, kNoFavorites, kAskImport, kNoFavorites},
     .listAfter = FormatListBytes({"0Mine\\"})},
    {.name = "ImportPastTheBound", .list = FormatListBytes(Lines(kMaxLines - 3, "0b,http://b")),
     .setup = [](RowRun& run) { run.Favorites({{L"a.url", "http://x/"}, {L"b.url", "http://x/"}, {L"c.url", "http://x/"}}); },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES}}}, .lines = Lines(kMaxLines - 3, "0b,http://b"),
     .messages = {kAskImport, L""}, .listAfter = FormatListBytes(Lines(kMaxLines - 3, "0b,http://b")),
     .check = [](RowRun&) { EXPECT_NE(g_shownMessages[1].text.find(L"65535"), std::wstring::npos); }},
    {.name = "ImportOntoAnUnreadableList", .list = "0keep\\\r\n", .setup = [](RowRun& run) {
         run.Favorites({{L"a.url", "http://a/"}});
         run.Hold(L"list.dat");
     },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES}, .caret = kBook}}, .messages = {L"", kAskImport, L""},
     .listAfter = "0keep\\\r\n", .aside = Aside::Beside},
    {.name = "ImportWithAFailedSave", .list = FormatListBytes({"0Mine\\"}),
     .setup = [](RowRun& run) { run.Favorites({{L"a.url", "http://a/"}}); },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES}, .before = [](RowRun& run) {
                   ASSERT_TRUE(DeleteFileW(run.PathOf(L"list.dat").c_str()));
                   ASSERT_TRUE(CreateDirectoryW(run.PathOf(L"list.dat").c_str(), nullptr));
               },
               .caret = kBook}},
     .lines = Lines{"0Mine\\", kBookLine, "1a,http://a/"}, .messages = {kAskImport, L""}, .aside = Aside::Beside,
     .check = [](RowRun&) { EXPECT_EQ(g_shownMessages[1].text.rfind(L"リストファイルを保存できませんでした", 0), 0u); }},
    // The sorted rebuild places titles exactly where the control's own sorted inserts do.
    {.name = "SortedRebuildMatchesSortedInserts",
     .list = "0root\\\r\n" + FormatListBytes({"1news,x", "1News,x", "1b,x", "1B,x", "1a10,x", "1a9,x", "1_x,x", "1#1,x",
                                               "1\xB6\xC5,x", "1\x82\xA9\x82\xC8,x", "1\x83\x4A\x83\x69,x", "1\x8A\xBF\x8E\x9A,x",
                                               "1Zeta,x", "1zeta,x"}),
     .settings = {{L"SortFlg", 1}},
     .check = [](RowRun&) {
         HTREEITEM root = ItemAtPath({L"root"}), other = InsertBookItem(TVI_ROOT, "other");
         std::vector<std::wstring> rebuilt, inserted;
         for (size_t i = 1; i < g_bookmarks.lines.size(); ++i) InsertUrlItem(other, LineTitle(g_bookmarks.lines[i]));
         for (HTREEITEM c = RelatedItem(g_ui.tree, root, TVGN_CHILD); c; c = RelatedItem(g_ui.tree, c, TVGN_NEXT))
             rebuilt.push_back(ItemText(g_ui.tree, c));
         for (HTREEITEM c = RelatedItem(g_ui.tree, other, TVGN_CHILD); c; c = RelatedItem(g_ui.tree, c, TVGN_NEXT))
             inserted.push_back(ItemText(g_ui.tree, c));
         EXPECT_EQ(rebuilt.size(), 14u);
         EXPECT_EQ(inserted, rebuilt);
     }},
};
INSTANTIATE_TEST_SUITE_P(Window, RowsTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
