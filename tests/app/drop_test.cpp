// The tree's registered drop target, driven as OLE drives it, with the data objects that browsers,
// file windows and the tree's own drag put on a drag.
#include <shlobj.h>

#include <cstring>

#include "app/drop_target.h"
#include "core/lines.h"
#include "core/list_bytes.h"
#include "platform/load_text.h"
#include "res/resource.h"
#include "tests/app/harness.h"
#include "tests/app/scripted_message_box.h"
#include "tree/state.h"
#include "tree/tree_item.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"   // rows name only the fields they need

namespace {

using Lines = std::vector<std::string>;
using Path = std::vector<std::wstring>;

std::string Utf16(std::wstring_view text) { return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2) + std::string(2, '\0'); }

std::string GroupDescriptor(const wchar_t* name)
{
    FILEGROUPDESCRIPTORW group{1, {}};
    lstrcpynW(group.fgd[0].cFileName, name, MAX_PATH);
    return std::string(reinterpret_cast<const char*>(&group), sizeof group);
}

struct DropRow {
    const char* name;
    Lines list;
    DWORD sortFlg = 1;
    std::vector<std::pair<const wchar_t*, std::string>> formats;   // by registered name; L"" is CF_UNICODETEXT
    std::vector<std::pair<const wchar_t*, const char*>> files;     // dropped as CF_HDROP: name, URL ("": a folder holding in.url)
    Path drag;                                                     // an entry of the tree dragged instead
    std::optional<Path> onto;                                      // none: the empty space below the items
    DWORD effect;                                                  // what DragEnter answers
    Lines after;
    const wchar_t* caret = L"";
    std::vector<std::wstring> messages;
};

struct DropTest : AppTest, ::testing::WithParamInterface<DropRow> {
    // The data object of the row: its formats, its files written into the test's folder.
    IDataObject* Data(const DropRow& row)
    {
        if (!row.drag.empty()) return MakeEntryDragData(ItemAtPath(row.drag));
        std::vector<std::pair<CLIPFORMAT, std::string>> formats;
        for (const auto& [name, bytes] : row.formats)
            formats.push_back({static_cast<CLIPFORMAT>(*name ? RegisterClipboardFormatW(name) : CF_UNICODETEXT), bytes});
        if (row.files.empty()) return MakeDataObject(formats);
        DROPFILES head{sizeof head, {}, FALSE, TRUE};
        std::wstring paths;
        for (const auto& [name, url] : row.files) {
            std::wstring path = PathOf(name);
            std::string shortcut = "[InternetShortcut]\r\nURL=" + std::string(url) + "\r\n";
            bool made = *url ? WriteBytes(path, shortcut)
                             : CreateDirectoryW(path.c_str(), nullptr) && WriteBytes(path + L"\\in.url", "URL=http://in/\r\n");
            EXPECT_TRUE(made);
            paths += path + L'\0';
        }
        formats.push_back({CF_HDROP, std::string(reinterpret_cast<const char*>(&head), sizeof head) + Utf16(paths)});
        return MakeDataObject(formats);
    }
};

POINTL ScreenPointOf(const std::optional<Path>& onto)
{
    RECT r{};
    if (onto) {
        HTREEITEM item = ItemAtPath(*onto);
        SendMessageW(g_ui.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        std::memcpy(&r, &item, sizeof item);   // the item goes in, its rectangle comes out
        SendMessageW(g_ui.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    } else {
        GetClientRect(g_ui.tree, &r);
        r.top = r.bottom - 8;
    }
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(g_ui.tree, &p);
    return {p.x, p.y};
}

TEST_P(DropTest, Drops)
{
    const DropRow& row = GetParam();
    WriteFileBytes(L"list.dat", FormatListBytes(row.list));
    SetSettingDword(L"SortFlg", row.sortFlg);
    SetSettingDword(L"CurSelect", 65535);   // no caret: the control would not light the caret's row
    Start();
    g_clip.lines = {"0clip\\"};
    IDropTarget* target = TreeDropTarget();
    ASSERT_NE(target, nullptr);
    IDataObject* data = Data(row);
    ASSERT_NE(data, nullptr);
    POINTL at = ScreenPointOf(row.onto);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    ASSERT_EQ(target->DragEnter(data, MK_LBUTTON, at, &effect), S_OK);
    EXPECT_EQ(effect, row.effect);
    HTREEITEM lit = reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0));
    EXPECT_EQ(lit, row.effect && row.onto ? ItemAtPath(*row.onto) : nullptr);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    ASSERT_EQ(target->Drop(data, 0, at, &effect), S_OK);
    data->Release();
    EXPECT_EQ(g_bookmarks.lines, row.after);
    EXPECT_EQ(effect != DROPEFFECT_NONE, row.after != row.list) << "the effect tells whether the list changed";
    EXPECT_EQ(CaretItem() ? ItemText(g_ui.tree, CaretItem()) : L"", row.caret);
    ExpectTreeMatchesList();
    EXPECT_EQ(g_clip.lines, Lines{"0clip\\"});
    ASSERT_EQ(g_shownMessages.size(), row.messages.size());
    for (size_t i = 0; i < row.messages.size(); ++i) EXPECT_EQ(g_shownMessages[i].text, row.messages[i]);
    // A drop or a move is one step to take back and make again.
    PressKey(kCtrl | 'Z');
    EXPECT_EQ(g_bookmarks.lines, row.list);
    PressKey(kCtrl | 'Y');
    EXPECT_EQ(g_bookmarks.lines, row.after);
    EXPECT_EQ(CaretItem() ? ItemText(g_ui.tree, CaretItem()) : L"", row.caret);
    ExpectTreeMatchesList();
}

const DWORD kCopy = DROPEFFECT_COPY, kMove = DROPEFFECT_MOVE, kNone = DROPEFFECT_NONE;
const Lines kAB{"0A\\", "1a,http://a", "1b,http://b", "1G\\", "2g,http://g", "0B\\", "1G\\"};

const std::vector<DropRow> kRows = {
    // A browser's link: the name without ".url", its comma full-width; a character without a CP932
    // form as UTF-8 %XX, and a final 0x5C trail byte (表) as the entry dialogs write it.
    {.name = "BrowserLinkOnFolder", .list = {"0A\\", "1z,http://z"},
     .formats = {{L"UniformResourceLocatorW", Utf16(L"http://x/\x0100\x8868")},
                 {L"FileGroupDescriptorW", GroupDescriptor(L"Page, one.url")}, {L"", Utf16(L"http://ignored/")}},
     .onto = Path{L"A"}, .effect = kCopy, .after = {"0A\\", "1Page\x81\x43 one,http://x/%C4%80%E8%A1%A8", "1z,http://z"},
     .caret = L"Page， one"},
    {.name = "MozLinkAfterUrlEntry", .list = {"0A\\", "1a,http://a", "1b,http://b"}, .sortFlg = 0,
     .formats = {{L"text/x-moz-url", Utf16(L"http://m/\nb\x0100")}}, .onto = Path{L"A", L"a"}, .effect = kCopy,
     .after = {"0A\\", "1a,http://a", "1b?,http://m/", "1b,http://b"}, .caret = L"b?",
     .messages = {FormatText(IDS_DROP_CHARS_REPLACED, {L"1"})}},
    {.name = "AnsiUrlIntoEmptyList", .formats = {{L"UniformResourceLocator", std::string("http://n/\0", 10)}},
     .effect = kCopy, .after = {"0http://n/,http://n/"}, .caret = L"http://n/"},
    {.name = "TextThatIsOneUrlTakesAUniqueTitle", .list = {"0A\\", "1http://t/,http://t/"},
     .formats = {{L"", Utf16(L" http://t/\r\n")}}, .onto = Path{L"A"}, .effect = kCopy,
     .after = {"0A\\", "1http://t/(2),http://t/", "1http://t/,http://t/"}, .caret = L"http://t/(2)"},
    {.name = "TextOfWordsIsRefused", .list = {"0A\\"}, .formats = {{L"", Utf16(L"two words")}}, .onto = Path{L"A"},
     .effect = kNone, .after = {"0A\\"}},
    // Shortcut files and a folder of them, read as the import reads them; another file refused.
    {.name = "FilesOnFolderInTheirOrder", .list = {"0A\\", "1z,http://z"}, .sortFlg = 0,
     .files = {{L"b.url", "http://b/"}, {L"a.URL", "http://a/"}, {L"F", ""}, {L"notes.txt", "x"}}, .onto = Path{L"A"},
     .effect = kCopy, .after = {"0A\\", "1b,http://b/", "1a,http://a/", "1F\\", "2in,http://in/", "1z,http://z"}, .caret = L"b",
     .messages = {FormatText(IDS_DROP_FILES_REFUSED, {L"1"})}},
    {.name = "OtherFilesOnlyAreRefused", .list = {"0A\\"}, .files = {{L"notes.txt", "x"}}, .onto = Path{L"A"},
     .effect = kNone, .after = {"0A\\"}},
    // Entries dragged in the tree move as a cut and paste moves them, the clipboard untouched.
    {.name = "FolderMovesIntoFolder", .list = kAB, .sortFlg = 0, .drag = {L"A", L"G"}, .onto = Path{L"B"}, .effect = kMove,
     .after = {"0A\\", "1a,http://a", "1b,http://b", "0B\\", "1G(2)\\", "2g,http://g", "1G\\"}, .caret = L"G(2)"},
    {.name = "UrlMovesAfterItsSibling", .list = kAB, .sortFlg = 0, .drag = {L"A", L"a"}, .onto = Path{L"A", L"b"},
     .effect = kMove, .after = {"0A\\", "1b,http://b", "1a,http://a", "1G\\", "2g,http://g", "0B\\", "1G\\"}, .caret = L"a"},
    {.name = "UrlOntoTheEntryBeforeItStays", .list = kAB, .sortFlg = 0, .drag = {L"A", L"b"}, .onto = Path{L"A", L"a"},
     .effect = kMove, .after = kAB},
    {.name = "BookMovesToTheTopLevelEnd", .list = kAB, .drag = {L"A"}, .effect = kMove,
     .after = {"0B\\", "1G\\", "0A\\", "1a,http://a", "1b,http://b", "1G\\", "2g,http://g"}, .caret = L"A"},
    {.name = "FolderIntoItsOwnSubtreeIsRefused", .list = kAB, .drag = {L"A"}, .onto = Path{L"A", L"G", L"g"},
     .effect = kNone, .after = kAB},
};
// While a link passes over the tree: a collapsed folder opens after the pointer rests on it for a
// second, not before; near the bottom the tree scrolls; leaving takes the highlight away.
TEST_F(AppTest, DragOverOpensRestingFolderAndScrollsNearTheEdge)
{
    Lines list{"0A\\", "1a,http://a"};
    for (int i = 0; i < 60; ++i) list.push_back("0B" + std::to_string(i) + "\\");
    WriteFileBytes(L"list.dat", FormatListBytes(list));
    Start();
    IDropTarget* target = TreeDropTarget();
    IDataObject* data = MakeDataObject({{CF_UNICODETEXT, Utf16(L"http://x/")}});
    HTREEITEM folder = ItemAtPath({L"A"});
    auto expanded = [&] { return SendMessageW(g_ui.tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(folder), TVIS_EXPANDED) != 0; };
    POINTL at = ScreenPointOf(Path{L"A"}), bottom = ScreenPointOf(std::nullopt);
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->DragEnter(data, MK_LBUTTON, at, &effect), S_OK);
    target->DragOver(MK_LBUTTON, at, &effect);
    EXPECT_FALSE(expanded());
    Sleep(1100);
    target->DragOver(MK_LBUTTON, at, &effect);
    EXPECT_TRUE(expanded());
    Sleep(150);
    target->DragOver(MK_LBUTTON, bottom, &effect);
    EXPECT_GT(GetScrollPos(g_ui.tree, SB_VERT), 0);
    auto lit = [] { return SendMessageW(g_ui.tree, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0); };
    target->DragOver(MK_LBUTTON, at, &effect);
    EXPECT_NE(lit(), 0);
    target->DragLeave();
    EXPECT_EQ(lit(), 0);
    data->Release();
}

// A browser in another process drags a link onto a folder, as OLE carries it between processes.
TEST_F(AppTest, LinkDraggedFromAnotherProcess)
{
    WriteFileBytes(L"list.dat", FormatListBytes({"0A\\"}));
    Start();
    POINTL at = ScreenPointOf(Path{L"A"});
    ASSERT_TRUE(PointAt(at.x, at.y));
    PROCESS_INFORMATION peer;
    ASSERT_TRUE(StartProgram(L"\"" + BesideProgram(L"drag_peer.exe") + L"\" http://peer/", nullptr, &peer));
    EXPECT_TRUE(PumpUntil([] { return g_bookmarks.lines.size() == 2; }, 10000));
    EXPECT_EQ(g_bookmarks.lines, (Lines{"0A\\", "1http://peer/,http://peer/"}));
    DWORD code = 1;
    EXPECT_TRUE(PumpUntil([&] { return GetExitCodeProcess(peer.hProcess, &code) && code != STILL_ACTIVE; }, 5000));
    EXPECT_EQ(code, 0u);
    CloseHandle(peer.hThread);
    CloseHandle(peer.hProcess);
}

// The tree's own drag: started as the tree notifies it, released (no button is down) over B,
// then released outside the window.
TEST_F(AppTest, EntryDraggedInTheTreeMovesWhereReleased)
{
    WriteFileBytes(L"list.dat", FormatListBytes({"0A\\", "1a,http://a", "0B\\"}));
    Start();
    POINTL at = ScreenPointOf(Path{L"B"});
    ASSERT_TRUE(PointAt(at.x, at.y));
    NMTREEVIEWW begin{{g_ui.tree, IDC_TREE, TVN_BEGINDRAGW}};
    begin.itemNew.hItem = ItemAtPath({L"A", L"a"});
    SendMessageW(g_ui.main, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&begin));
    EXPECT_EQ(g_bookmarks.lines, (Lines{"0A\\", "0B\\", "1a,http://a"}));
    RECT window = MainWindowRect();   // released beside the window: nothing moves
    ASSERT_TRUE(PointAt(window.right + 20, window.top + 20));
    begin.itemNew.hItem = ItemAtPath({L"B", L"a"});
    SendMessageW(g_ui.main, WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&begin));
    EXPECT_EQ(g_bookmarks.lines, (Lines{"0A\\", "0B\\", "1a,http://a"}));
}

INSTANTIATE_TEST_SUITE_P(Tree, DropTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<DropRow>& info) { return std::string(info.param.name); });

}  // namespace
