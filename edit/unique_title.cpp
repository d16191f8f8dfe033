// Unique sibling titles, compared exactly (case-sensitive) as the tree shows them.
#include "edit/unique_title.h"

#include <unordered_set>

#include "core/entry_rules.h"
#include "platform/text.h"
#include "tree/state.h"
#include "tree/tree_item.h"

static HTREEITEM FirstChild(HTREEITEM parent)
{
    return parent ? NextItem(parent, TVGN_CHILD) : NextItem(nullptr, TVGN_ROOT);
}

std::unordered_set<std::wstring> ChildTitles(HTREEITEM parent, HTREEITEM except)
{
    std::unordered_set<std::wstring> titles;
    for (HTREEITEM child = FirstChild(parent); child; child = NextItem(child, TVGN_NEXT))
        if (child != except) titles.insert(ItemText(g_ui.tree, child));
    return titles;
}

bool MakeUniqueTitle(HTREEITEM parent, std::string& title)
{
    std::unordered_set<std::wstring> taken = ChildTitles(parent);
    if (!taken.count(Widen(title))) return true;
    for (int n = 2;; ++n) {
        std::string candidate = SuffixedTitle(title, n);
        if (candidate.size() > kFieldBytes) return false;
        if (!taken.count(Widen(candidate))) {
            title = std::move(candidate);
            return true;
        }
    }
}
