// The real window as rows of files, settings and commands, then the list, tree, messages and files.
#include <set>

#include "core/day_copies.h"
#include <shlobj.h>

#include "core/lines.h"
#include "core/list_bytes.h"
#include "edit/entry_commands.h"
#include "platform/file.h"
#include "platform/load_text.h"
#include "res/resource.h"
#include "tests/support/dialogs.h"
#include "tests/app/harness.h"
#include "tests/app/faulty_file.h"
#include "tests/app/recorded_shell.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_build.h"
#include "tree/tree_locate.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"   // rows name only the fields they need

namespace {

struct RowsTest;
using Hook = void (*)(RowsTest&);

struct Act {
    std::vector<std::wstring> select;   // titles from the top; {} keeps the selection
    WORD command = 0;                   // none: only the hooks
    std::vector<UINT> keys;             // pressed after the command (see PressKey)
    std::vector<DialogStep> dialogs;    // answers to the dialogs it opens, in order
    std::deque<int> answers;            // message-box answers
    std::deque<std::wstring> files;     // the file dialogs' answers, in the test's folder
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

struct RowsTest : AppTest, ::testing::WithParamInterface<Row> {
    std::unique_ptr<HeldOpen> held;   // released after the start and after each act
    void Hold(const wchar_t* name) { held = std::make_unique<HeldOpen>(PathOf(name)); ASSERT_TRUE(held->held()); }
    // The test's Favorites folder, with shortcut files ("name" -> URL) and folders ("name\\").
    void Favorites(std::initializer_list<std::pair<const wchar_t*, const char*>> entries)
    {
        std::wstring dir = PathOf(L"Favorites");
        ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        L"Favorites", REG_SZ, dir.c_str(), static_cast<DWORD>((dir.size() + 1) * sizeof(wchar_t)));
        for (const auto& [name, url] : entries) {
            std::wstring path = PathOf(std::wstring(L"Favorites\\") + name);
            std::string text = "[InternetShortcut]\r\nURL=" + std::string(url) + "\r\n";
            ASSERT_TRUE(path.back() == L'\\' ? CreateDirectoryW(path.c_str(), nullptr) : WriteBytes(path, text));
        }
    }
    // The user's local application data as the test's "Local" folder, with files ("path" -> bytes);
    // the prefix's own folder comes back after the test.
    std::optional<std::wstring> localAppData;
    void LocalAppData(std::initializer_list<std::pair<const wchar_t*, std::string>> files)
    {
        wchar_t old[MAX_PATH] = L"";
        DWORD size = sizeof old;
        RegGetValueW(HKEY_CURRENT_USER, kUserFolders, L"Local AppData", RRF_RT_ANY | RRF_NOEXPAND, nullptr, old, &size);
        localAppData = old;
        SetLocalAppData(PathOf(L"Local"));
        for (const auto& [name, bytes] : files) {
            std::wstring path = PathOf(std::wstring(L"Local\\") + name);
            SHCreateDirectoryExW(nullptr, FolderOf(path).c_str(), nullptr);
            ASSERT_TRUE(WriteBytes(path, bytes));
        }
    }
    static constexpr wchar_t kUserFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static void SetLocalAppData(const std::wstring& folder)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kUserFolders, L"Local AppData", REG_EXPAND_SZ, folder.c_str(),
                        static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    }
    ~RowsTest() override { if (localAppData) SetLocalAppData(*localAppData); }
};

TEST_P(RowsTest, Runs)
{
    const Row& row = GetParam();
    if (row.list) WriteFileBytes(L"list.dat", *row.list);
    if (row.backup) WriteFileBytes(L"_backup.dat", *row.backup);
    for (const auto& [name, value] : row.settings) SetSettingDword(name, value);
    if (row.setup) row.setup(*this);
    Start();
    held.reset();
    for (const Act& act : row.acts) {
        if (act.before) act.before(*this);
        if (!act.select.empty()) Select(act.select);
        g_queuedAnswers = act.answers;
        g_queuedFiles.clear();
        for (const std::wstring& name : act.files) g_queuedFiles.push_back(PathOf(name));
        ScriptDialogs(act.dialogs);
        if (act.command) RunCommand(act.command);
        for (UINT key : act.keys) EXPECT_TRUE(PressKey(key)) << key;
        StopDialogScript();
        held.reset();
        EXPECT_EQ(g_unplannedDialogs, 0) << "command " << act.command;
        EXPECT_TRUE(!act.caret || (CaretItem() ? ItemText(g_ui.tree, CaretItem()) : L"") == act.caret) << act.command;
        if (act.after) act.after(*this);
    }
    EXPECT_EQ(g_bookmarks.lines, row.lines.value_or(g_bookmarks.lines));
    if (g_ui.main && IsWindow(g_ui.main)) ExpectTreeMatchesList();
    if (row.exit) Exit();
    ASSERT_EQ(g_shownMessages.size(), row.messages.size());
    for (size_t i = 0; i < row.messages.size(); ++i)
        EXPECT_TRUE(row.messages[i].empty() || g_shownMessages[i].text == row.messages[i]) << "message " << i;
    EXPECT_TRUE(!row.listAfter || ReadFileBytes(L"list.dat") == *row.listAfter) << "list file";
    EXPECT_TRUE(!row.backupAfter || ReadFileBytes(L"_backup.dat") == *row.backupAfter) << "backup";
    std::vector<SideFile> beside = SideFiles(folder(), false), temp = SideFiles(TemporaryFolder(), true);
    ASSERT_EQ(beside.size(), row.aside == Aside::Beside ? 1u : 0u);
    ASSERT_EQ(temp.size(), row.aside == Aside::Temp ? 1u : 0u);
    for (const SideFile& kept : row.aside == Aside::Beside ? beside : temp) {
        EXPECT_EQ(kept.bytes, FormatListBytes(g_bookmarks.lines));
        EXPECT_TRUE(g_shownMessages.empty() || g_shownMessages.back().text.find(kept.name) != std::wstring::npos);
    }
    if (row.check) row.check(*this);
}

const std::string kBytes = FormatListBytes({"0Work\\", "1Tools\\", "2Editor,http://e", "0Home\\", "1Mail,http://m"});
const Lines kAlmostFull = [] { Lines l(kMaxLines - 1, "0b,http://b"); l[0] = "0A\\"; return l; }();
const Lines kFull = [] { Lines l = kAlmostFull; l.insert(l.begin() + 1, "1g\\"); return l; }();
const Lines kRoomForFour(kAlmostFull.begin(), kAlmostFull.end() - 3);
const Lines kOld{"0Old\\", "1Page,http://old"};
const std::wstring kAskRestore = LoadText(IDS_RESTORE_CONFIRM);

// Bytes no run writes: orphans, lines too deep or without format, 0x5C trail bytes, bytes without characters.
const std::string kOdd =
    FormatListBytes({"1orphan,http://o", "0plain text", "0Work\\", "1Tools\\", "2Editor,http://a", "0Home\\",
                     "1Editor,http://b", "1u,http://u", "2child,http://c", "1News Archive,http://c", "1News,http://d",
                     "1news,http://e", "0B\\", "1G\\", "0C\\", "2late,http://l", "", ":deep\\", "1after,http://a",
                     "0bad\x85\x40x\\", "1\xFA\x40,http://r", "0" + std::string(1500, 'T') + "\\"}) +
    "0\x95\x5C\x8C\x76\x8E\x5A\\\r\n1\x83\x5C\x83\x74\x83\x67,http://s\r\n";

const std::string kBookFolder = "0" + Cp932("インターネットエクスプローラ");
const std::wstring kAskImport = LoadText(IDS_IMPORT_CONFIRM);
const std::string kOldFile = "0Old\\\r\n1a,http://a/\r\n";
const std::string kOldBackup = "0Backup of an earlier run\\\r\n";
const std::string kLoose("0Old\\\n1a,http://a/\0\r\n1b,http://b/", 32);

const std::wstring kToday = [] { SYSTEMTIME t; GetLocalTime(&t); return DayCopyName({t.wYear, t.wMonth, t.wDay}); }();
// Older copies, and names of no copy's form that a prune must leave.
void SeedCopies(RowsTest& run)
{
    ASSERT_TRUE(CreateDirectoryW(run.PathOf(L"backup").c_str(), nullptr));
    for (const wchar_t* name : {L"2020-01-01.dat", L"2020-01-02.dat", L"2020-01-03_before-restore_101500.dat",
                                L"2020-01-01.dat.old", L"notes.dat"})
        run.WriteFileBytes(std::wstring(L"backup\\") + name, kOldFile);
}
void ExpectCopiesLeft(RowsTest& run, std::vector<std::wstring> names)
{
    std::vector<std::wstring> left = NamesInFolder(run.PathOf(L"backup"));
    EXPECT_EQ(std::set<std::wstring>(left.begin(), left.end()), std::set<std::wstring>(names.begin(), names.end()));
}

// A line added behind the tree, then the tree rebuilt with the first line selected.
void AddAndRebuild(RowsTest&)
{
    AddLine(g_bookmarks, "0Added\\");
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(RebuildTree(0)));
}

// A Chrome Default profile and an Edge "Profile 1", each of three lines, and a profile without bookmarks.
void BrowserProfiles(RowsTest& run)
{
    const std::string bar = R"({"roots": {"bookmark_bar": {"type": "folder", "name": "Bar", "children": [)";
    run.LocalAppData({{L"Google\\Chrome\\User Data\\Default\\Bookmarks",
                       bar + R"({"type": "url", "name": "A", "url": "http://a/"}]}}})"},
                      {L"Google\\Chrome\\User Data\\System Profile\\Preferences", "{}"},
                      {L"Microsoft\\Edge\\User Data\\Profile 1\\Bookmarks",
                       bar + R"({"type": "url", "name": "\u8868", "url": "http://e/\u0100"}]}}})"}});
}
const Lines kProfileBooks = {"0Chrome\\", "0Chrome(2)\\", "1Bar\\", "2A,http://a/", "0Edge (Profile 1)\\", "1Bar\\",
                             "2" + Cp932("表") + ",http://e/%C4%80"};   // imported into {"0Chrome\\"}

const std::vector<Row> kRows = {
    // Entry dialogs: each refused text is said, and the dialog stays open with what was typed.
    {.name = "RefusedEntryTextsKeepTheDialogOpen", .list = FormatListBytes({"0A\\"}),
     .acts = {{.select = {L"A"}, .command = IDM_NEWURL,
               .dialogs = {Ok(L"a,b", L"http://x"), Ok(L"t", L""), Ok(L"ti\r\ntle", L"http://x"),
                           Ok(L"t", L"http://x/\ny"), Ok(L"t", L"ftp://x\\"), Ok(L"t", L"x/\x8868")},
               .after = [](RowsTest&) { EXPECT_EQ(g_seenDialogs.at(1).title, L"a,b"); }},
              {.command = IDM_NEWBOOK, .dialogs = {Ok(L""), Ok(L"a\rb"), Ok(L"Folder, comma")}}},
     .lines = Lines{"0A\\", "1t,http://x/%E8%A1%A8", "0Folder, comma\\"},
     .messages = {L"", LoadText(IDS_URL_EMPTY), LoadText(IDS_TITLE_HAS_LINE_BREAK), LoadText(IDS_URL_HAS_LINE_BREAK),
                  UnstorableUrlText(0), LoadText(IDS_TITLE_EMPTY), LoadText(IDS_TITLE_HAS_LINE_BREAK)}},
    // Two lines past the bound are refused, the last one taken, then nothing more.
    {.name = "NoLinePastTheBound", .list = FormatListBytes(kAlmostFull),
     .acts = {{.select = {L"A"}, .command = IDM_COPY}, {.command = IDM_COPYADD}, {.command = IDM_PASTE},
              {.command = IDM_PASTEROOT}, {.select = {L"A"}, .command = IDM_NEWGROUP, .dialogs = {Ok(L"g")}},
              {.command = IDM_NEWBOOK}}, .lines = kFull, .messages = {L"", L"", L""}},
    // A reload while the dialog is open: the entry goes into the folder selected, where it now is.
    {.name = "ReloadDuringTheDialogKeepsTheFolder", .list = FormatListBytes({"0A\\", "0B\\", "1b,http://b"}),
     .acts = {{.select = {L"B"}, .command = IDM_NEWURL, .dialogs = {Ok(L"new", L"http://new")},
               .before = [](RowsTest& run) {   // another program's list, read once the dialog runs
                   run.WriteFileBytes(L"list.dat", FormatListBytes({"0N\\", "0A\\", "0B\\", "1b,http://b"}));
                   PostMessageW(g_ui.main, WM_COMMAND, IDM_RELOAD, 0);
               }}},
     .lines = Lines{"0N\\", "0A\\", "0B\\", "1new,http://new", "1b,http://b"}},
    {.name = "ItemWithoutItsLineChangesNothing", .list = FormatListBytes({"0A\\", "1u,http://u", "0B\\"}),
     .acts = {{.select = {L"A"}, .command = IDM_COPY},
              {.select = {L"A", L"u"}, .before = [](RowsTest&) { g_bookmarks.lines = {"0X\\", "0B\\"}; }},
              {.command = IDM_EDIT}, {.command = IDM_DELETE}, {.command = IDM_DELETELEVEL}, {.command = IDM_CUT},
              {.command = IDM_COPYADD}, {.command = IDM_CUTLEVEL}, {.select = {L"A"}, .command = IDM_NEWGROUP},
              {.command = IDM_NEWURL}, {.command = IDM_DELETE}, {.command = IDM_PASTE},
              {.before = [](RowsTest&) { RebuildTree(0); }}},
     .lines = Lines{"0X\\", "0B\\"}, .check = [](RowsTest&) { EXPECT_EQ(g_clip.lines, (Lines{"0A\\", "1u,http://u"})); }},
    // A level that stops at an empty line, and the top level from the first line.
    {.name = "LevelsAtAGapAndAtTheFirstLine", .list = FormatListBytes({"0A\\", "1a,http://a", "", "1b,http://b", "0B\\"}),
     .acts = {{.select = {L"A", L"a"}, .command = IDM_CUTLEVEL}, {.select = {L"A"}, .command = IDM_COPYLEVEL}},
     .lines = Lines{"0A\\", "", "1b,http://b", "0B\\"},
     .check = [](RowsTest&) { EXPECT_EQ(g_clip.lines, (Lines{"0A\\"})); }},
    {.name = "Keys", .list = FormatListBytes({"0A\\", "1u,http://u", "0B\\"}), .settings = {{L"SelectWeb", 4}},
     .acts = {{.select = {L"A", L"u"}, .keys = {VK_F2}, .dialogs = {Ok(L"v")}}, {.keys = {kCtrl | 'C'}},
              {.select = {L"B"}, .keys = {kCtrl | 'V'}}, {.select = {L"A"}, .keys = {kCtrl | 'F'},
                                                           .dialogs = {DialogStep().Text(IDC_FIND_TEXT, L"v")}},
              {.keys = {VK_F3}, .after = [](RowsTest&) { EXPECT_EQ(CaretItem(), ItemAtPath({L"B", L"v"})); }},
              {.keys = {VK_RETURN, kCtrl | 'X'}}},
     .lines = Lines{"0A\\", "1v,http://u", "0B\\"},
     .check = [](RowsTest&) { EXPECT_EQ(g_shellRequests.at(0).file, L"http://u"); }},
    // The find dialog opens empty, its box set for a stored 2.
    {.name = "FindDialog", .list = kBytes, .settings = {{L"ChkFindStr", 2}},
     .acts = {{.command = IDM_FIND, .dialogs = {DialogStep().Text(IDC_FIND_TEXT, L"MAIL")}, .after = [](RowsTest&) {
                   const SeenDialog& first = g_seenDialogs.at(0);
                   EXPECT_TRUE(first.texts.at(IDC_FIND_TEXT).empty() && first.checks.at(IDC_FIND_IGNORECASE));
               }, .caret = L"Mail"}}},
    // Restore and reload without a readable file leave the list; a restored list is written at the exit.
    {.name = "ReloadAndRestore", .list = kBytes,
     .acts = {{.command = IDM_RESTORE, .answers = {IDNO}}, {.command = IDM_RESTORE, .answers = {IDYES}},
              {.command = IDM_RELOAD, .before = [](RowsTest& run) {
                   DeleteFileW(run.PathOf(L"list.dat").c_str());
                   run.WriteFileBytes(L"_backup.dat", FormatListBytes(kOld));
               }},
              {.command = IDM_RESTORE, .answers = {IDYES}, .caret = L"Old"}},
     .lines = kOld, .messages = {kAskRestore, kAskRestore, LoadText(IDS_RESTORE_NO_BACKUP), L"",
                                 kAskRestore},
     .exit = true, .listAfter = FormatListBytes(kOld), .backupAfter = FormatListBytes(kOld)},
    // The sorted tree of a list no run writes, each shown line's item found back; and of no list.
    {.name = "OddList", .list = kOdd, .settings = {{L"SortFlg", 1}}, .lines = ParseListBytes(kOdd),
     .check = [](RowsTest&) {
         for (long line : {-1L, 16L, 17L, static_cast<long>(g_bookmarks.lines.size())})
             EXPECT_EQ(SelectItemOfLine(line), nullptr);
         for (long i = 0; i < static_cast<long>(g_bookmarks.lines.size()); ++i)
             EXPECT_TRUE(!SelectItemOfLine(i) || FindLineOfItem(SelectItemOfLine(i)) == i) << i;
         EXPECT_EQ(FindLineOfItem(ItemAtPath({L"Home", L"news"})), 11);
     }},
    {.name = "NoListFile", .acts = {{.caret = L""}}, .lines = Lines{}, .exit = true, .listAfter = ""},
    {.name = "FileOfTooManyLinesIsNotWrittenOver", .list = FormatListBytes(Lines(kMaxLines + 1, "0b\\")),
     .acts = {{.before = AddAndRebuild}}, .lines = Lines{"0Added\\"}, .messages = {L"", L""}, .exit = true,
     .listAfter = FormatListBytes(Lines(kMaxLines + 1, "0b\\")), .aside = Aside::Beside},
    {.name = "FolderInPlaceOfTheList", .backup = "0previous\\\r\n",
     .acts = {{.before = [](RowsTest& run) { ASSERT_TRUE(CreateDirectoryW(run.PathOf(L"list.dat").c_str(), nullptr)); }},
              {.before = AddAndRebuild, .after = [](RowsTest& run) {
                   SendMessageW(g_ui.main, WM_ENDSESSION, TRUE, 0);   // no message; the exit's save makes the next file
                   EXPECT_TRUE(g_shownMessages.empty() && SideFiles(run.folder(), true).size() == 1);
               }}},
     .lines = Lines{"0Added\\"}, .messages = {L""}, .exit = true, .backupAfter = "0previous\\\r\n", .aside = Aside::Beside},
    {.name = "FirstStartWritesTheDefaults", .list = kBytes,
     .acts = {{.after = [](RowsTest&) {
                   EXPECT_TRUE(GetWindowLongW(g_ui.main, GWL_EXSTYLE) & WS_EX_TOPMOST);
                   for (int id : {IDC_TREE, IDC_BOOKMARKLIST, IDC_CLIPLIST, IDC_IMPORTLIST, IDC_SORTEDLIST, IDC_CLIPEDIT})
                       EXPECT_NE(GetDlgItem(g_ui.main, id), nullptr) << id;
               }, .caret = L"Work"}},
     .exit = true, .listAfter = kBytes, .backupAfter = kBytes, .check = [](RowsTest& run) {
         std::wstring file, path;
         EXPECT_TRUE(ReadSettingString(L"datafile", &file) && ReadSettingString(L"curpath", &path));
         EXPECT_TRUE(file == L"list.dat" && path == run.folder() && StoredDword(L"CurSelect") == 0);
     }},
    {.name = "QuitLeavesTheFile", .list = kBytes,
     .acts = {{.command = IDM_QUIT, .before = AddAndRebuild, .after = [](RowsTest&) {
                   MSG msg;
                   EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
               }}}, .listAfter = kBytes, .backupAfter = "<missing>"},
    // The floating rectangle as the window stands; a bar width of 30 or less is not written.
    {.name = "ExitWritesTheRectangleNotANarrowBar", .settings = {{L"dt_width", 77}},
     .acts = {{.before = [](RowsTest&) {
                   g_ui.widthTracking = false, g_set.dtWidth = 30, MoveWindow(g_ui.main, 100, 50, 300, 400, FALSE);
               }}},
     .exit = true, .check = [](RowsTest&) {
         EXPECT_EQ(StoredDword(L"dt_width"), 77u);
         EXPECT_TRUE(StoredDword(L"X") == 100 && StoredDword(L"Y") == 50 && StoredDword(L"Width") == 300 &&
                     StoredDword(L"Height") == 400);
     }},
    {.name = "DataFileNamePastTheShortPathLimit",
     .setup = [](RowsTest&) { SetSettingString(L"datafile", std::wstring(240, L'n') + L".dat"); },
     .acts = {{.before = AddAndRebuild}}, .exit = true, .backupAfter = "0Added\\\r\n",
     .check = [](RowsTest& run) { EXPECT_EQ(run.ReadFileBytes(std::wstring(240, L'n') + L".dat"), "0Added\\\r\n"); }},
    // Saves that meet trouble: the list file is old or new, never a mix, and the backup stays.
    {.name = "FolderRefusingNewFiles", .list = kOldFile, .backup = kOldBackup,
     .acts = {{.before = AddAndRebuild}, {.before = [](RowsTest& run) { g_fileFaults.readOnlyFolders = {run.folder()}; }}},
     .messages = {L""}, .exit = true, .listAfter = kOldFile, .backupAfter = kOldBackup, .aside = Aside::Temp},
    {.name = "DiskFullInTheList", .list = kOldFile, .backup = kOldBackup,
     .acts = {{.before = AddAndRebuild},
              {.before = [](RowsTest&) { g_fileFaults.diskRoom = static_cast<long long>(kOldFile.size() / 2 + 6); }}},
     .messages = {L""}, .exit = true, .listAfter = kOldFile, .backupAfter = kOldBackup},
    {.name = "LooseBytesWrittenInTheOwnForm", .list = kLoose, .backup = kOldBackup,   // its first temporary name taken
     .acts = {{.before = [](RowsTest& run) {
                   run.WriteFileBytes(L"~larkit-" + std::to_wstring(GetCurrentProcessId()) + L"-0.tmp", "x");
               }}},
     .exit = true,
     .listAfter = FormatListBytes(ParseListBytes(kLoose)), .backupAfter = FormatListBytes(ParseListBytes(kLoose))},
    // Edited by hand while the list changed too: the edit is kept beside the list and named, the list saved.
    {.name = "HandEditIsKeptBeside", .list = kBytes,
     .acts = {{.before = [](RowsTest& run) { run.WriteFileBytes(L"list.dat", kOldFile), AddAndRebuild(run); }}},
     .messages = {L""}, .exit = true, .listAfter = kBytes + "0Added\\\r\n", .check = [](RowsTest& run) {
         std::vector<std::wstring> names = NamesInFolder(run.folder());
         auto edited = std::find_if(names.begin(), names.end(), [](auto& n) { return n.rfind(L"list_edited_", 0) == 0; });
         ASSERT_NE(edited, names.end());
         EXPECT_EQ(edited->size(), std::wstring(L"list_edited_YYYY-MM-DD_HHMMSS.dat").size()) << "no number";
         EXPECT_EQ(run.ReadFileBytes(*edited), kOldFile);
         EXPECT_NE(g_shownMessages.back().text.find(*edited), std::wstring::npos);
     }},
    {.name = "TemporaryFileThatIsNotTheListIsKept", .list = kBytes,   // what a save ended by a kill left
     .setup = [](RowsTest& run) { run.WriteFileBytes(L"~larkit-1-0.tmp", "0X\\\r\n"); },
     .acts = {{.after = [](RowsTest& run) { EXPECT_EQ(SideFiles(run.folder(), true).at(0).bytes, "0X\\\r\n"); }}},
     .messages = {L""}},
    {.name = "HandEditOfAnUnchangedListStays", .list = kBytes,
     .acts = {{.before = [](RowsTest& run) { run.WriteFileBytes(L"list.dat", kOldFile); }}}, .exit = true,
     .listAfter = kOldFile},
    // The import of real files: a folder, an odd name, a locked shortcut, URLs with '\'.
    {.name = "ImportOfRealFiles", .setup = [](RowsTest& run) {
         run.Favorites({{L"News.URL", "http://news/"}, {L"a;b\\", ""}, {L"a;b\\in.url", "http://in/"},
                        {L"\x0100, x.url", "http://u/"}, {L"locked.url", "http://locked/"}, {L"web.url", "http://web\\"},
                        {L"other.url", "ftp://other\\"}});
     },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES},
               .before = [](RowsTest& run) { run.Hold(L"Favorites\\locked.url"); }}},
     .messages = {kAskImport, L""}, .check = [](RowsTest&) {
         std::set<std::string> lines(g_bookmarks.lines.begin() + 1, g_bookmarks.lines.end());
         EXPECT_EQ(lines, (std::set<std::string>{"1News,http://news/", "1a;b\\", "2in,http://in/",
                                                 "1?\x81\x43 x,http://u/", "1locked,", "1web,http://web/"}));
         for (std::wstring part : {FormatText(IDS_IMPORT_NAMES_REPLACED, {L"1"}),
                                  FormatText(IDS_IMPORT_SHORTCUTS_UNREADABLE, {L"1"}), UnstorableUrlText(1)})
             EXPECT_NE(g_shownMessages[1].text.find(part), std::wstring::npos);
     }},
    // Imported twice (the book numbered, the list saved, a hand edit kept beside), declined, and with no Favorites there.
    {.name = "ImportRepeatedDeclinedOrWithoutAFolder", .list = FormatListBytes({"0Mine\\"}),
     .setup = [](RowsTest& run) { run.Favorites({{L"a.url", "http://a/"}}); },
     .acts = {{.command = IDM_IMPORT, .answers = {IDYES},
               .before = [](RowsTest& run) { run.WriteFileBytes(L"list.dat", kOldFile); }, .caret = L"インターネットエクスプローラ"},
              {.command = IDM_IMPORT, .answers = {IDYES}, .caret = L"インターネットエクスプローラ(2)"},
              {.command = IDM_IMPORT, .answers = {IDNO}},
              {.command = IDM_IMPORT, .answers = {IDYES}, .before = [](RowsTest& run) {
                   ASSERT_TRUE(MoveFileW(run.PathOf(L"Favorites").c_str(), run.PathOf(L"gone").c_str()));
               }}},
     .messages = {kAskImport, L"", kAskImport, kAskImport, kAskImport, LoadText(IDS_FAVORITES_NOT_FOUND)},
     .listAfter = FormatListBytes({"0Mine\\", kBookFolder + "\\", "1a,http://a/", kBookFolder + "(2)\\", "1a,http://a/"})},
    // Dated copies: today's written and the days beyond BackupDays pruned (a before-restore copy counts its day);
    // none when off; a failure told once after the exit save, which still writes the list and its backup.
    {.name = "ExitWritesTodaysCopyAndPrunes", .list = kBytes, .settings = {{L"BackupDays", 2}}, .setup = SeedCopies,
     .exit = true, .check = [](RowsTest& run) {
         ExpectCopiesLeft(run, {kToday, L"2020-01-03_before-restore_101500.dat", L"2020-01-01.dat.old", L"notes.dat"});
         EXPECT_EQ(run.ReadFileBytes(L"backup\\" + kToday), kBytes);
     }},
    {.name = "NoCopiesWhenOff", .list = kBytes, .settings = {{L"BackupDays", 0}}, .exit = true,
     .check = [](RowsTest& run) { ExpectCopiesLeft(run, {}); }},
    {.name = "FileNamedBackup", .list = kOldFile, .setup = [](RowsTest& run) { run.WriteFileBytes(L"backup", "x"); },
     .acts = {{.before = AddAndRebuild}}, .messages = {L""}, .exit = true, .listAfter = kOldFile + "0Added\\\r\n",
     .backupAfter = kOldFile + "0Added\\\r\n", .check = [](RowsTest& run) {
         EXPECT_EQ(g_shownMessages[0].text, FormatText(IDS_DAY_COPY_NOT_SAVED, {run.PathOf(L"backup")}));
     }},
    {.name = "DiskFullInTheCopy", .list = kOldFile, .setup = SeedCopies,
     .acts = {{.before = AddAndRebuild},
              {.before = [](RowsTest&) { g_fileFaults.diskRoom = static_cast<long long>(kOldFile.size() * 2 + 20); }}},
     .messages = {L""}, .exit = true, .listAfter = kOldFile + "0Added\\\r\n",
     .backupAfter = kOldFile + "0Added\\\r\n", .check = [](RowsTest& run) {
         EXPECT_EQ(g_shownMessages[0].text, FormatText(IDS_DAY_COPY_NOT_SAVED, {run.PathOf(L"backup")}));
         EXPECT_EQ(NamesInFolder(run.PathOf(L"backup")).size(), 5u) << "nothing pruned, nothing left";
     }},
    // No copies yet, then the second newest chosen: the list in memory is kept first, the copies listed newest first.
    // A second restore (mostly within the same second) keeps a copy of its own.
    {.name = "RestoreACopy", .list = kBytes,
     .acts = {{.command = IDM_RESTORECOPY},
              {.command = IDM_RESTORECOPY, .dialogs = {DialogStep().Pick(IDC_RESTORE_COPIES, 1)}, .before = SeedCopies,
               .after = [](RowsTest&) {
                   EXPECT_EQ(g_seenDialogs.at(0).items.at(IDC_RESTORE_COPIES),
                             (std::vector<std::wstring>{FormatText(IDS_BEFORE_RESTORE_ITEM, {L"2020-01-03", L"10:15:00", L"2"}),
                                                        FormatText(IDS_DAY_COPY_ITEM, {L"2020-01-02", L"2"}),
                                                        FormatText(IDS_DAY_COPY_ITEM, {L"2020-01-01", L"2"})}));
               }, .caret = L"Old"},
              {.command = IDM_RESTORECOPY, .dialogs = {DialogStep().Pick(IDC_RESTORE_COPIES, 1)}}},
     .lines = ParseListBytes(kOldFile), .messages = {L""}, .check = [](RowsTest& run) {
         EXPECT_EQ(g_shownMessages[0].text, FormatText(IDS_NO_DAY_COPIES, {run.PathOf(L"backup")}));
         std::multiset<std::string> kept;
         for (const std::wstring& name : NamesInFolder(run.PathOf(L"backup")))
             if (name.rfind(kToday.substr(0, 10) + L"_before-restore_", 0) == 0 && ParseCopyName(name))
                 kept.insert(run.ReadFileBytes(L"backup\\" + name));
         EXPECT_EQ(kept, (std::multiset<std::string>{kBytes, kOldFile}));
     }},
    // The list in memory cannot be kept first: the restore is refused, the list and its file stay.
    {.name = "RestoreRefusedWithoutItsCopy", .list = kBytes, .setup = SeedCopies,
     .acts = {{.command = IDM_RESTORECOPY, .dialogs = {DialogStep().Pick(IDC_RESTORE_COPIES, 1)},
               .before = [](RowsTest& run) { g_fileFaults.readOnlyFolders = {run.PathOf(L"backup")}; }}},
     .lines = ParseListBytes(kBytes), .messages = {L""}, .listAfter = kBytes, .check = [](RowsTest& run) {
         EXPECT_EQ(g_shownMessages[0].text, FormatText(IDS_BEFORE_RESTORE_NOT_SAVED, {run.PathOf(L"backup")}));
     }},
    // Every profile with a bookmark file becomes a Book, Default's titled by the browser, made unique.
    {.name = "ChromeAndEdgeProfiles", .list = FormatListBytes({"0Chrome\\"}),
     .setup = BrowserProfiles,
     .acts = {{.command = IDM_IMPORT_BROWSERS, .caret = L"Chrome(2)"},
              {.command = IDM_IMPORT_BROWSERS, .before = [](RowsTest& run) {
                   ASSERT_TRUE(MoveFileW(run.PathOf(L"Local").c_str(), run.PathOf(L"gone").c_str()));
               }},
              // The import saved the list, and is still taken back and made again.
              {.keys = {kCtrl | 'Z'}, .after = [](RowsTest&) { EXPECT_EQ(g_bookmarks.lines, Lines{"0Chrome\\"}); },
               .caret = L"Chrome"},
              {.keys = {kCtrl | kShift | 'Z'}, .caret = L"Chrome(2)"}},
     .lines = kProfileBooks, .messages = {FormatText(IDS_IMPORT_URLS_CHANGED, {L"1"}), L""},
     .listAfter = FormatListBytes(kProfileBooks)},
    // Each profile fits the room left, both together do not: nothing is added.
    {.name = "ProfilesPastTheBoundTogether", .list = FormatListBytes(kRoomForFour), .setup = BrowserProfiles,
     .acts = {{.command = IDM_IMPORT_BROWSERS}}, .lines = kRoomForFour, .messages = {LoadText(IDS_LIST_FULL)}},
    // An export read back as a Book of its own; a title without a code page 932 form, two refused files,
    // a cancelled dialog, a folder that cannot be written.
    {.name = "HtmlExportAndImport", .list = FormatListBytes({"0" + Cp932("表") + "\\", "1Tools\\", "2E & e,http://e/?a=1&b"}),
     .acts = {{.command = IDM_EXPORT_HTML, .files = {L"out.html"}},
              {.command = IDM_IMPORT_HTML, .files = {L"out.html"}, .caret = L"out"},
              {.command = IDM_IMPORT_HTML, .files = {L"one.htm"}, .before = [](RowsTest& run) {
                   run.WriteFileBytes(L"one.htm", "<DL><DT><A HREF=\"http://x/\">&#x100;</A>\n<DT><H3>out</H3><DL></DL>");
                   run.WriteFileBytes(L"latin.html", "<META CONTENT=\"text/html; charset=ISO-8859-1\"><DL>\xE9</DL>");
                   run.WriteFileBytes(L"plain.html", "hello");
               }},
              {.command = IDM_IMPORT_HTML, .files = {L"latin.html"}}, {.command = IDM_IMPORT_HTML, .files = {L"plain.html"}},
              {.command = IDM_IMPORT_HTML}, {.command = IDM_EXPORT_HTML, .files = {L"no\\such\\bookmarks.html"}}},
     .lines = Lines{"0" + Cp932("表") + "\\", "1Tools\\", "2E & e,http://e/?a=1&b", "0out\\", "1" + Cp932("表") + "\\",
                    "2Tools\\", "3E & e,http://e/?a=1&b", "0one\\", "1?,http://x/", "1out\\"},
     .messages = {FormatText(IDS_IMPORT_TITLES_CHANGED, {L"1"}), L"", L"", L""},
     .check = [](RowsTest& run) {
         EXPECT_EQ(g_saveDefaultName, L"bookmarks.html");
         EXPECT_EQ(g_shownMessages[1].text, FormatText(IDS_BOOKMARK_FILE_CHARSET, {L"ISO-8859-1", run.PathOf(L"latin.html")}));
         EXPECT_EQ(g_shownMessages[2].text, FormatText(IDS_BOOKMARK_FILE_UNREADABLE, {run.PathOf(L"plain.html")}));
         EXPECT_EQ(g_shownMessages[3].text, FormatText(IDS_EXPORT_FAILED, {run.PathOf(L"no\\such\\bookmarks.html")}));
         EXPECT_EQ(run.ReadFileBytes(L"list.dat"), FormatListBytes(g_bookmarks.lines));
     }},
};
INSTANTIATE_TEST_SUITE_P(Window, RowsTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
