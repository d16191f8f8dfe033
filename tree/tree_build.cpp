// Creating the tree view and building it from the bookmark list.
#include "tree/tree_build.h"

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "core/entry_line.h"
#include "core/lines.h"
#include "platform/text.h"
#include "res/resource.h"
#include "tree/state.h"
#include "tree/tree_item.h"

// Image indices as the image list returned them; a bitmap that failed to load leaves 0.
struct TreeImageIndex {
    int dirOpen = 0, bookClosed = 0, bookOpen = 0, dirClosed = 0, urlSelected = 0, urlNormal = 0;
};
static TreeImageIndex s_images;

enum class ItemKind { Book, Group, Url };

static constexpr DWORD kTreeStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

void CreateBookmarkTree()
{
    RECT client{};
    GetClientRect(g_ui.main, &client);
    g_ui.tree = CreateWindowExW(0, WC_TREEVIEWW, L"", kTreeStyle, 0, 0, client.right, client.bottom, g_ui.main,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TREE)), g_ui.inst, nullptr);
    CreateTreeImages();
    if (g_ui.tree && g_ui.treeImages)
        SendMessageW(g_ui.tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(g_ui.treeImages));
}

// Adds one bitmap resource with white as the mask colour; the index, or 0 when it is missing.
static int AddBitmap(const wchar_t* name)
{
    HBITMAP bitmap = LoadBitmapW(g_ui.inst, name);
    if (!bitmap) return 0;
    int index = ImageList_AddMasked(g_ui.treeImages, bitmap, RGB(255, 255, 255));
    DeleteObject(bitmap);
    return index < 0 ? 0 : index;
}

void CreateTreeImages()
{
    g_ui.treeImages = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 0);
    if (!g_ui.treeImages) return;
    s_images.dirOpen = AddBitmap(L"DIR_O");
    s_images.bookClosed = AddBitmap(L"GRP_C");
    s_images.bookOpen = AddBitmap(L"GRP_O");
    s_images.dirClosed = AddBitmap(L"DIR_C");
    s_images.urlSelected = AddBitmap(L"URL_S");
    s_images.urlNormal = AddBitmap(L"URL_NS");
}

void DeleteTreeItems()
{
    if (g_ui.tree) SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void DestroyTreeImages()
{
    if (g_ui.treeImages) ImageList_Destroy(g_ui.treeImages);
    g_ui.treeImages = nullptr;
}

static HTREEITEM InsertItem(HTREEITEM parent, HTREEITEM position, ItemKind kind, const std::wstring& text)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = position;
    TVITEMW& item = insert.item;
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_SELECTEDIMAGE;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    switch (kind) {
    case ItemKind::Book:  item.iImage = s_images.bookClosed; item.iSelectedImage = s_images.bookOpen; break;
    case ItemKind::Group: item.iImage = s_images.dirClosed;  item.iSelectedImage = s_images.dirOpen;  break;
    case ItemKind::Url:   item.iImage = s_images.urlNormal;  item.iSelectedImage = s_images.urlSelected; break;
    }
    item.lParam = kind == ItemKind::Url ? kUrlItemData : kFolderItemData;
    return reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

int CompareItemTitles(const wchar_t* a, const wchar_t* b)
{
    // The collation weighs some different texts alike (a long-vowel mark and a repeat mark, for
    // one); the code units decide between those, so that siblings have one order whichever way
    // they came into the tree.
    int order = lstrcmpW(a, b);
    return order != 0 ? order : wcscmp(a, b);
}

// Where an item with `text` goes: `position` in list order; in a sorted tree after every
// sibling that sorts before it, and after those that sort the same too when its line comes
// after theirs (TVI_LAST). The tree view's own sorted insert would use another comparison.
static HTREEITEM PlaceFor(HTREEITEM parent, HTREEITEM position, const std::wstring& text)
{
    if (g_set.sortFlg != 1) return position;
    HTREEITEM after = TVI_FIRST;
    bool top = !parent || parent == TVI_ROOT;
    for (HTREEITEM child = RelatedItem(g_ui.tree, top ? nullptr : parent, top ? TVGN_ROOT : TVGN_CHILD); child;
         child = RelatedItem(g_ui.tree, child, TVGN_NEXT)) {
        int order = CompareItemTitles(ItemText(g_ui.tree, child).c_str(), text.c_str());
        if (order > 0 || (order == 0 && position == TVI_FIRST)) break;
        after = child;
    }
    return after;
}

static HTREEITEM InsertPlaced(HTREEITEM parent, HTREEITEM position, ItemKind kind, std::string_view title)
{
    std::wstring text = Widen(title);
    return InsertItem(parent, PlaceFor(parent, position, text), kind, text);
}

HTREEITEM InsertBookItem(HTREEITEM parent, std::string_view title)
{ return InsertPlaced(parent, TVI_LAST, ItemKind::Book, title); }

HTREEITEM InsertGroupItem(HTREEITEM parent, std::string_view title)
{ return InsertPlaced(parent, TVI_LAST, ItemKind::Group, title); }

HTREEITEM InsertGroupItemFirst(HTREEITEM parent, std::string_view title)
{ return InsertPlaced(parent, TVI_FIRST, ItemKind::Group, title); }

HTREEITEM InsertUrlItem(HTREEITEM parent, std::string_view title)
{ return InsertPlaced(parent, TVI_LAST, ItemKind::Url, title); }

HTREEITEM InsertUrlItemFirst(HTREEITEM parent, std::string_view title)
{ return InsertPlaced(parent, TVI_FIRST, ItemKind::Url, title); }

// One shown line of the list while the rebuild lays out the tree.
struct PlannedItem {
    size_t line;
    ItemKind kind;
    std::wstring text;
    std::vector<size_t> children;   // indexes into the plan
};

static constexpr size_t kNoParent = static_cast<size_t>(-1);
static constexpr int kParentDepths = 9;   // depths 0-8 can have shown children

// The plan of lines [first, end): one entry per shown line, each under the item most recently
// planned one level up. A line at `topDepth`, or with no such item, goes to the top of the plan.
// Returns the top items.
static std::vector<size_t> PlanTree(std::vector<PlannedItem>& plan, size_t first, size_t end, int topDepth)
{
    std::vector<size_t> top;
    size_t lastAtDepth[kParentDepths];
    std::fill(std::begin(lastAtDepth), std::end(lastAtDepth), kNoParent);
    plan.reserve(end - first);
    for (size_t i = first; i < end; ++i) {
        const std::string& line = g_bookmarks.lines[i];
        if (!HasShownDepth(line)) continue;
        int depth = ShownDepthOf(line);
        bool folder = IsFolderLine(line);
        ItemKind kind = !folder ? ItemKind::Url : depth == 0 ? ItemKind::Book : ItemKind::Group;
        size_t index = plan.size();
        plan.push_back(PlannedItem{i, kind, Widen(LineTitle(line)), {}});
        size_t parent = depth <= topDepth ? kNoParent : lastAtDepth[depth - 1];
        (parent == kNoParent ? top : plan[parent].children).push_back(index);
        if (depth < kParentDepths) lastAtDepth[depth] = index;
    }
    return top;
}

static void SortSiblings(std::vector<PlannedItem>& plan, std::vector<size_t>& siblings)
{
    std::stable_sort(siblings.begin(), siblings.end(), [&plan](size_t a, size_t b) {
        return CompareItemTitles(plan[a].text.c_str(), plan[b].text.c_str()) < 0;
    });
}

// Inserts `siblings` and their subtrees under `parent` in the planned order, the first after
// `after`.
static void InsertPlanned(std::vector<PlannedItem>& plan, const std::vector<size_t>& siblings, HTREEITEM parent,
                          HTREEITEM after, size_t wantedLine, HTREEITEM* wantedItem)
{
    for (size_t index : siblings) {
        PlannedItem& planned = plan[index];
        HTREEITEM item = InsertItem(parent, after, planned.kind, planned.text);
        if (after != TVI_LAST) after = item;
        if (planned.line == wantedLine) *wantedItem = item;
        if (!planned.children.empty()) InsertPlanned(plan, planned.children, item, TVI_LAST, wantedLine, wantedItem);
    }
}

static void SortPlan(std::vector<PlannedItem>& plan, std::vector<size_t>& top)
{
    if (g_set.sortFlg != 1) return;
    SortSiblings(plan, top);
    for (PlannedItem& planned : plan) SortSiblings(plan, planned.children);
}

HTREEITEM RebuildTree(unsigned long index)
{
    SendMessageW(g_ui.tree, WM_SETREDRAW, FALSE, 0);
    SendMessageW(g_ui.tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    std::vector<PlannedItem> plan;
    std::vector<size_t> top = PlanTree(plan, 0, EntryCount(g_bookmarks), 0);
    SortPlan(plan, top);
    HTREEITEM wanted = nullptr;
    InsertPlanned(plan, top, TVI_ROOT, TVI_LAST, index & 0xFFFFu, &wanted);
    SendMessageW(g_ui.tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(g_ui.tree, nullptr, TRUE);
    return wanted;
}

// Every line's item stands under the item of the nearest line one level up before it, as a
// rebuild puts it, only when each line has a shown depth and goes at most one level deeper.
static bool IsPlainlyNested(const LineList& list)
{
    unsigned char previous = kTopDepthChar - 1;
    for (const std::string& line : list.lines) {
        if (!HasShownDepth(line) || DepthCharOf(line) > previous + 1) return false;
        previous = DepthCharOf(line);
    }
    return true;
}

HTREEITEM ShowInsertedLines(HTREEITEM parent, HTREEITEM after, size_t first, size_t end)
{
    if (first >= end || end > LineCount(g_bookmarks) || !IsPlainlyNested(g_bookmarks))
        return RebuildTree(static_cast<unsigned long>(first));
    SendMessageW(g_ui.tree, WM_SETREDRAW, FALSE, 0);
    std::vector<PlannedItem> plan;
    std::vector<size_t> top = PlanTree(plan, first, end, ShownDepthOf(g_bookmarks.lines[first]));
    SortPlan(plan, top);
    HTREEITEM wanted = nullptr;
    InsertPlanned(plan, top, parent ? parent : TVI_ROOT, g_set.sortFlg == 1 ? TVI_LAST : after, first, &wanted);
    if (g_set.sortFlg == 1) SortChildItems(parent);
    SendMessageW(g_ui.tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(g_ui.tree, nullptr, TRUE);
    return wanted;
}

// Orders by the rank each item was given for the sort.
static int CALLBACK CompareByRank(LPARAM a, LPARAM b, LPARAM)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

void SortChildItems(HTREEITEM parent)
{
    HTREEITEM first = reinterpret_cast<HTREEITEM>(
        SendMessageW(g_ui.tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    struct Child { HTREEITEM item; std::wstring text; LPARAM kind; };
    std::vector<Child> children;
    for (HTREEITEM item = first; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(
                                           g_ui.tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
        children.push_back({item, ItemText(g_ui.tree, item), ItemData(g_ui.tree, item)});
    std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
        return CompareItemTitles(a.text.c_str(), b.text.c_str()) < 0;
    });
    // The control sorts by item data through a callback: lend each item its rank, then give
    // the kinds back.
    auto setData = [](HTREEITEM item, LPARAM data) {
        TVITEMW change{};
        change.mask = TVIF_PARAM | TVIF_HANDLE;
        change.hItem = item;
        change.lParam = data;
        SendMessageW(g_ui.tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
    };
    for (size_t rank = 0; rank < children.size(); ++rank) setData(children[rank].item, static_cast<LPARAM>(rank));
    TVSORTCB sort{parent ? parent : TVI_ROOT, CompareByRank, 0};
    SendMessageW(g_ui.tree, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
    for (const Child& child : children) setData(child.item, child.kind);
}
