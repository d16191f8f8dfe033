// Item queries with a buffer that grows until the whole text fits.
#include "tree/tree_item.h"

#include "tree/state.h"

#include <vector>

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    std::vector<wchar_t> text(512);
    for (;;) {
        text[0] = L'\0';
        TVITEMW query{};
        query.mask = TVIF_TEXT | TVIF_HANDLE;
        query.hItem = item;
        query.pszText = text.data();
        query.cchTextMax = static_cast<int>(text.size());
        if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) return std::wstring();
        size_t length = wcsnlen(text.data(), text.size());
        if (length + 1 < text.size()) return std::wstring(text.data(), length);
        text.assign(text.size() * 2, L'\0');   // filled to the brim: it may have been cut
    }
}

LPARAM ItemData(HWND tree, HTREEITEM item)
{
    TVITEMW query{};
    query.mask = TVIF_PARAM | TVIF_HANDLE;
    query.hItem = item;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) return kFolderItemData;
    return query.lParam;
}

HTREEITEM NextItem(HTREEITEM item, UINT relation)
{
    return RelatedItem(g_ui.tree, item, relation);
}

bool IsItemWithin(HTREEITEM item, HTREEITEM ancestor)
{
    for (HTREEITEM at = item; at; at = NextItem(at, TVGN_PARENT))
        if (at == ancestor) return true;
    return false;
}

HTREEITEM SelectedItem() { return NextItem(nullptr, TVGN_CARET); }

void SelectItem(HTREEITEM item)
{
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

HTREEITEM RelatedItem(HWND tree, HTREEITEM item, UINT relation)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

void DeleteChildItems(HWND tree, HTREEITEM parent)
{
    UINT first = parent ? TVGN_CHILD : TVGN_ROOT;
    HTREEITEM caret = RelatedItem(tree, nullptr, TVGN_CARET);
    if (caret && RelatedItem(tree, caret, TVGN_PARENT) == parent)
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(parent));
    SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    for (HTREEITEM child = RelatedItem(tree, parent, first); child; child = RelatedItem(tree, parent, first))
        SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}
