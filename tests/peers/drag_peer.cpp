// Plays a browser dragging a link to another program: "drag_peer URL" drags URL
// (UniformResourceLocatorW) from its own foreground window to where the pointer is, dropping it
// after a few polls. Exit 0 when the target took it as a copy.
#include <windows.h>
#include <ole2.h>

#include <string>

#include "app/drop_target.h"

namespace {
struct Source final : IDropSource {
    int polls = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = iid == IID_IUnknown || iid == IID_IDropSource ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }   // lives on the stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    // The button is never down: the target is first told of the drag over it, then of the drop.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override { return ++polls < 5 ? S_OK : DRAGDROP_S_DROP; }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};
}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2 || FAILED(OleInitialize(nullptr))) return 2;
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"drag peer", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    std::wstring url = argv[1];
    IDataObject* data = MakeDataObject({{static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"UniformResourceLocatorW")),
                                         std::string(reinterpret_cast<const char*>(url.c_str()), (url.size() + 1) * 2)}});
    Source source;
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    data->Release();
    DestroyWindow(window);
    OleUninitialize();
    return result == DRAGDROP_S_DROP && effect == DROPEFFECT_COPY ? 0 : 1;
}
