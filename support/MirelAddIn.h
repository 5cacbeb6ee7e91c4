// CMirelAddIn: the add-in's COM object, which the browser creates and hands its site.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <stdlib.h>

// The browser creates one per window and calls SetSite with the window's site, and
// SetSite(nullptr) before it lets go. The object keeps the site for as long as it is set.
class CMirelAddIn final : public IObjectWithSite
{
public:
    // Starts with one reference, which the creator owns.
    CMirelAddIn();

    // Inside the browser's process a failed allocation is an error to report, not a reason to
    // end the process: new gives nullptr then.
    static void* operator new(size_t size) noexcept { return malloc(size); }
    static void operator delete(void* block) noexcept { free(block); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IObjectWithSite
    STDMETHODIMP SetSite(IUnknown* site) override;
    STDMETHODIMP GetSite(REFIID riid, void** ppv) override;

private:
    ~CMirelAddIn();
    CMirelAddIn(const CMirelAddIn&) = delete;
    CMirelAddIn& operator=(const CMirelAddIn&) = delete;

    volatile LONG m_references;
    IUnknown* m_pSite;
};
