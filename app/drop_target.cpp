// The COM objects of drag and drop (one struct per interface) and what the target does while a
// drag passes over the tree: highlight, scroll, open a resting folder, and take the drop.
#include "app/drop_target.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <utility>

#include "core/drop_data.h"
#include "edit/clip_commands.h"
#include "edit/undo_commands.h"
#include "platform/com_object.h"
#include "transfer/drop_commands.h"
#include "tree/state.h"
#include "tree/tree_item.h"
#include "tree/tree_locate.h"

// A collapsed folder that the pointer rests on this long opens; the tree scrolls a line at most
// this often while the pointer is within a row of its top or bottom.
static constexpr DWORD kExpandDelayMs = 1000;
static constexpr DWORD kScrollPeriodMs = 100;

// The private format's bytes: which process and which line the dragged entry is.
struct EntryDragPayload {
    DWORD process;
    long line;
};

static CLIPFORMAT RegisteredFormat(const wchar_t* name)
{
    return static_cast<CLIPFORMAT>(RegisterClipboardFormatW(name));
}

static CLIPFORMAT EntryFormat() { static CLIPFORMAT format = RegisteredFormat(L"larkit entry"); return format; }

// ---- A data object over fixed bytes ----

namespace {
struct DataObject final : ComObject<IDataObject, IID_IDataObject> {
    std::vector<std::pair<CLIPFORMAT, std::string>> formats;

    const std::string* Find(const FORMATETC* format) const
    {
        if (!format || !(format->tymed & TYMED_HGLOBAL) || format->dwAspect != DVASPECT_CONTENT) return nullptr;
        for (const auto& [id, bytes] : formats)
            if (id == format->cfFormat) return &bytes;
        return nullptr;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        const std::string* bytes = Find(format);
        if (!bytes) return DV_E_FORMATETC;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes->size());
        if (!memory) return E_OUTOFMEMORY;
        if (!bytes->empty()) std::memcpy(GlobalLock(memory), bytes->data(), bytes->size()), GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override { return Find(format) ? S_OK : DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override
    {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        std::vector<FORMATETC> list;
        for (const auto& entry : formats) list.push_back({entry.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }
};
}  // namespace

IDataObject* MakeDataObject(std::vector<std::pair<CLIPFORMAT, std::string>> formats)
{
    auto* data = new DataObject;
    data->formats = std::move(formats);
    return data;
}

// ---- Reading what a drag offers ----

// The bytes of `format`, none when the object does not give them in global memory.
static std::optional<std::string> BytesOf(IDataObject* data, CLIPFORMAT format)
{
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&wanted, &medium))) return std::nullopt;
    std::optional<std::string> bytes;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        if (const char* at = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
            bytes.emplace(at, GlobalSize(medium.hGlobal));
            GlobalUnlock(medium.hGlobal);
        }
    }
    ReleaseStgMedium(&medium);
    return bytes;
}

static std::optional<DroppedLink> LinkOf(IDataObject* data)
{
    DropFormats formats;
    formats.urlW = BytesOf(data, RegisteredFormat(L"UniformResourceLocatorW"));
    if (std::optional<std::string> ansi = BytesOf(data, RegisteredFormat(L"UniformResourceLocator"))) {
        // The dragging program's ANSI code page is taken to be this system's.
        std::string_view text = NarrowTextOf(*ansi);
        int size = static_cast<int>(text.size());
        std::wstring wide(text.size(), L'\0');
        int n = size ? MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), size) : 0;
        formats.urlAnsi.emplace(wide.begin(), wide.begin() + (n > 0 ? n : 0));
    }
    formats.mozUrl = BytesOf(data, RegisteredFormat(L"text/x-moz-url"));
    formats.unicodeText = BytesOf(data, CF_UNICODETEXT);
    formats.groupDescriptor = BytesOf(data, RegisteredFormat(L"FileGroupDescriptorW"));
    return ReadDroppedLink(formats);
}

static std::vector<std::wstring> PathsOf(IDataObject* data)
{
    std::vector<std::wstring> paths;
    FORMATETC wanted{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&wanted, &medium))) return paths;
    if (HDROP drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
        UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
            path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
            if (!path.empty()) paths.push_back(path);
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return paths;
}

// The entry this tree's own drag carries: its item, when the payload names this process and the
// line that item still has.
static HTREEITEM s_draggedItem = nullptr;

static HTREEITEM DraggedEntryOf(IDataObject* data)
{
    std::optional<std::string> bytes = BytesOf(data, EntryFormat());
    if (!bytes || bytes->size() < sizeof(EntryDragPayload) || !s_draggedItem) return nullptr;
    EntryDragPayload payload;
    std::memcpy(&payload, bytes->data(), sizeof payload);
    if (payload.process != GetCurrentProcessId() || payload.line != FindLineOfItem(s_draggedItem)) return nullptr;
    return s_draggedItem;
}

// ---- The target ----

enum class DragKind { None, Link, Files, Entry };

namespace {
struct DropTarget final : ComObject<IDropTarget, IID_IDropTarget> {
    DragKind kind = DragKind::None;
    HTREEITEM hovered = nullptr;
    DWORD hoveredSince = 0, scrolledAt = 0;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
};
}  // namespace

static DropTarget* s_target = nullptr;
static bool s_oleStarted = false;

// Where a drop at screen point `at` goes: true with the item under it (null over empty space),
// false outside the tree.
static bool TargetAt(POINTL at, HTREEITEM* item)
{
    TVHITTESTINFO hit{};
    hit.pt = {at.x, at.y};
    ScreenToClient(g_ui.tree, &hit.pt);
    RECT client;
    GetClientRect(g_ui.tree, &client);
    if (!PtInRect(&client, hit.pt)) return false;
    *item = reinterpret_cast<HTREEITEM>(SendMessageW(g_ui.tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return true;
}

// The effect over `at`: none outside the tree and, for an entry, on itself or below it.
static DWORD EffectAt(DragKind kind, POINTL at, DWORD allowed, HTREEITEM* item)
{
    if (kind == DragKind::None || !TargetAt(at, item)) return DROPEFFECT_NONE;
    if (kind == DragKind::Entry) return IsItemWithin(*item, s_draggedItem) ? DROPEFFECT_NONE : allowed & DROPEFFECT_MOVE;
    return allowed & DROPEFFECT_COPY ? DROPEFFECT_COPY : allowed & DROPEFFECT_LINK;
}

static void Highlight(HTREEITEM item)
{
    SendMessageW(g_ui.tree, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
}

// Scrolls a line when the pointer is within a row of the tree's top or bottom.
static void ScrollNearEdge(DropTarget& target, POINTL at)
{
    POINT p{at.x, at.y};
    ScreenToClient(g_ui.tree, &p);
    RECT client;
    GetClientRect(g_ui.tree, &client);
    LONG row = static_cast<LONG>(SendMessageW(g_ui.tree, TVM_GETITEMHEIGHT, 0, 0));
    WPARAM way = p.y < client.top + row ? SB_LINEUP : p.y >= client.bottom - row ? SB_LINEDOWN : 0xFFFF;
    DWORD now = GetTickCount();
    if (way == 0xFFFF || now - target.scrolledAt < kScrollPeriodMs) return;
    target.scrolledAt = now;
    SendMessageW(g_ui.tree, WM_VSCROLL, way, 0);
}

// Opens a collapsed folder that the pointer has rested on for kExpandDelayMs.
static void ExpandResting(DropTarget& target, HTREEITEM item)
{
    DWORD now = GetTickCount();
    if (item != target.hovered) {
        target.hovered = item;
        target.hoveredSince = now;
        return;
    }
    if (!item || now - target.hoveredSince < kExpandDelayMs) return;
    TVITEMW state{};
    state.mask = TVIF_STATE | TVIF_CHILDREN | TVIF_HANDLE;
    state.hItem = item;
    state.stateMask = TVIS_EXPANDED;
    SendMessageW(g_ui.tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&state));
    if (state.cChildren && !(state.state & TVIS_EXPANDED))
        SendMessageW(g_ui.tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect)
{
    if (DraggedEntryOf(data)) kind = DragKind::Entry;
    else if (LinkOf(data)) kind = DragKind::Link;
    else kind = AnyDroppableFile(PathsOf(data)) ? DragKind::Files : DragKind::None;
    hovered = nullptr;
    return DragOver(keys, at, effect);
}

HRESULT DropTarget::DragOver(DWORD, POINTL at, DWORD* effect)
{
    HTREEITEM item = nullptr;
    *effect = EffectAt(kind, at, *effect, &item);
    if (kind == DragKind::None) return S_OK;
    ScrollNearEdge(*this, at);
    ExpandResting(*this, item);
    Highlight(*effect == DROPEFFECT_NONE ? nullptr : item);
    return S_OK;
}

HRESULT DropTarget::DragLeave()
{
    Highlight(nullptr);
    kind = DragKind::None;
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL at, DWORD* effect)
{
    Highlight(nullptr);
    HistoryStep step;   // the drop comes from OLE's window, outside the main window's messages
    HTREEITEM item = nullptr;
    DragKind dropped = std::exchange(kind, DragKind::None);
    *effect = EffectAt(dropped, at, *effect, &item);
    if (*effect == DROPEFFECT_NONE) return S_OK;
    HWND owner = g_ui.main;
    if (dropped == DragKind::Entry) {
        HTREEITEM entry = DraggedEntryOf(data);
        if (!entry || !MoveEntryOnto(owner, entry, item)) *effect = DROPEFFECT_NONE;
        s_draggedItem = nullptr;   // the move has taken its item out of the tree
    } else if (dropped == DragKind::Link) {
        if (std::optional<DroppedLink> link = LinkOf(data)) DropLink(owner, *link, item);
    } else {
        DropFiles(owner, PathsOf(data), item);
    }
    return S_OK;
}

void RegisterTreeDropTarget()
{
    s_oleStarted = SUCCEEDED(OleInitialize(nullptr));
    if (!s_oleStarted || !g_ui.tree) return;
    s_target = new DropTarget;
    if (FAILED(RegisterDragDrop(g_ui.tree, s_target))) {
        s_target->Release();
        s_target = nullptr;
    }
}

void RevokeTreeDropTarget()
{
    if (s_target) {
        (void)RevokeDragDrop(g_ui.tree);
        s_target->Release();
        s_target = nullptr;
    }
    if (s_oleStarted) OleUninitialize();
    s_oleStarted = false;
}

IDropTarget* TreeDropTarget() { return s_target; }

// ---- The drag of an entry ----

namespace {
struct DropSource final : ComObject<IDropSource, IID_IDropSource> {
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override
    {
        if (escape) return DRAGDROP_S_CANCEL;
        return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};
}  // namespace

IDataObject* MakeEntryDragData(HTREEITEM item)
{
    long line = FindLineOfItem(item);
    if (line < 0) return nullptr;
    s_draggedItem = item;
    EntryDragPayload payload{GetCurrentProcessId(), line};
    return MakeDataObject({{EntryFormat(), std::string(reinterpret_cast<const char*>(&payload), sizeof payload)}});
}

void OnTreeBeginDrag(const NMTREEVIEWW& info)
{
    IDataObject* data = MakeEntryDragData(info.itemNew.hItem);
    if (!data) return;
    auto* source = new DropSource;
    DWORD effect = DROPEFFECT_NONE;
    (void)DoDragDrop(data, source, DROPEFFECT_MOVE, &effect);   // the target has moved the entry, or nothing happened
    source->Release();
    data->Release();
    s_draggedItem = nullptr;
}
