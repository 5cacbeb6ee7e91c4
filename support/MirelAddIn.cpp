// CMirelAddIn: the add-in's COM object, which the browser creates and hands its site.
#include "support/MirelAddIn.h"

#include "support/ModuleUsage.h"

CMirelAddIn::CMirelAddIn() : m_references(1), m_pSite(nullptr)
{
    ModuleObjectCreated();
}

CMirelAddIn::~CMirelAddIn()
{
    if (m_pSite != nullptr)
        m_pSite->Release();
    ModuleObjectDestroyed();
}

STDMETHODIMP CMirelAddIn::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IObjectWithSite)) {
        *ppv = static_cast<IObjectWithSite*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CMirelAddIn::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_references));
}

STDMETHODIMP_(ULONG) CMirelAddIn::Release()
{
    const LONG references = ::InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return static_cast<ULONG>(references);
}

STDMETHODIMP CMirelAddIn::SetSite(IUnknown* site)
{
    // Take the new site before letting go of the old one: they may be the same object.
    if (site != nullptr)
        site->AddRef();
    if (m_pSite != nullptr)
        m_pSite->Release();
    m_pSite = site;
    return S_OK;
}

STDMETHODIMP CMirelAddIn::GetSite(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    // Without a site the interface's contract asks for E_FAIL.
    if (m_pSite == nullptr)
        return E_FAIL;
    return m_pSite->QueryInterface(riid, ppv);
}
