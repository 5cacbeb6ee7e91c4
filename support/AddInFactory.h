// CAddInFactory: the class object that makes CMirelAddIn objects for DllGetClassObject.
#pragma once

#include <unknwn.h>
#include <windows.h>

// One static instance lives as long as the module. Each reference a client holds keeps the
// module loaded, as LockServer does; the instance itself is never destroyed.
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

private:
    volatile LONG m_references = 0;  // the clients' references; the module's own instance has none
};
