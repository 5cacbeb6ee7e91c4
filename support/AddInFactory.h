// CAddInFactory: the class object that makes CMirelAddIn objects for DllGetClassObject.
#pragma once

#include <windows.h>
#include <unknwn.h>

// One static instance lives as long as the module; its references do not keep the module
// loaded, only LockServer does (the usual rule for class objects of in-process servers).
class CAddInFactory final : public IClassFactory
{
public:
    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IClassFactory
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    STDMETHODIMP LockServer(BOOL lock) override;
};
