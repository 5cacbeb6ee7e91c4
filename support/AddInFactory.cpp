// CAddInFactory: the class object that makes CMirelAddIn objects for DllGetClassObject.
#include "support/AddInFactory.h"

#include "support/MirelAddIn.h"
#include "support/ModuleUsage.h"

STDMETHODIMP CAddInFactory::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

// A client may hold the factory and call it later: every reference it holds keeps the module
// loaded, as a LockServer lock does.
STDMETHODIMP_(ULONG) CAddInFactory::AddRef()
{
    ModuleLock();
    return static_cast<ULONG>(::InterlockedIncrement(&m_references));
}

STDMETHODIMP_(ULONG) CAddInFactory::Release()
{
    ModuleUnlock();
    return static_cast<ULONG>(::InterlockedDecrement(&m_references));
}

STDMETHODIMP CAddInFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    CMirelAddIn* addIn = new CMirelAddIn();
    if (addIn == nullptr)
        return E_OUTOFMEMORY;
    // The creator's reference goes once the caller holds its own (or none, on failure).
    const HRESULT hr = addIn->QueryInterface(riid, ppv);
    addIn->Release();
    return hr;
}

STDMETHODIMP CAddInFactory::LockServer(BOOL lock)
{
    if (lock)
        ModuleLock();
    else
        ModuleUnlock();
    return S_OK;
}
