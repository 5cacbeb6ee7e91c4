// CPropertyPage: one page of a property sheet, a dialog whose OK and Cancel come from the sheet.
#include "framework/PropertyPage.h"

#include <string.h>

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId)
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
}

void CPropertyPage::OnOK() {}

PROPSHEETPAGEA CPropertyPage::BuildSheetEntry()
{
    PROPSHEETPAGEA entry = m_psp;
    entry.hInstance = AfxGetResourceHandle();
    entry.pszTemplate = MAKEINTRESOURCEA(m_nIDTemplate);
    entry.pfnDlgProc = &CPropertyPage::PageProc;
    entry.lParam = reinterpret_cast<LPARAM>(this);
    return entry;
}

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT& result)
{
    // Cancel asks nothing of a page: the sheet's own handling is enough.
    if (header->code != PSN_APPLY)
        return false;
    OnOK();
    result = PSNRET_NOERROR;
    return true;
}

bool CPropertyPage::OnUnhandledCommand(UINT notifyCode, UINT controlId)
{
    if (controlId != IDOK && controlId != IDCANCEL)
        return false;
    ::PostMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(controlId, notifyCode), 0);
    return true;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A page's WM_INITDIALOG carries its sheet entry, whose lParam is the page object.
    CDialog* initialising = nullptr;
    if (message == WM_INITDIALOG)
        initialising = reinterpret_cast<CPropertyPage*>(
            reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    return Route(initialising, hWnd, message, wParam, lParam);
}
