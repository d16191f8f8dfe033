// The IUnknown part of a COM object the program implements itself: one interface, counted
// references, deleted with its last reference.
#pragma once
#include <windows.h>
#include <unknwn.h>

template <typename Interface, const IID& kInterfaceId>
struct ComObject : Interface {
    LONG refs = 1;

    virtual ~ComObject() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = iid == IID_IUnknown || iid == kInterfaceId ? this : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&refs);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }
};
