// CPropertyPage: one page of a property sheet, a dialog whose OK and Cancel come from the sheet.
#include "framework/PropertyPage.h"

#include <string.h>

const CRuntimeClass CPropertyPage::classCPropertyPage("CPropertyPage", &CDialog::classCDialog,
                                                      nullptr);

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId)
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

PROPSHEETPAGEA CPropertyPage::BuildSheetEntry()
{
    PROPSHEETPAGEA entry = m_psp;
    entry.hInstance = AfxGetResourceHandle();
    entry.pszTemplate = MAKEINTRESOURCEA(m_nIDTemplate);
    entry.pfnDlgProc = &CPropertyPage::PageProc;
    entry.lParam = reinterpret_cast<LPARAM>(this);
    return entry;
}

BOOL CPropertyPage::OnNotify(NMHDR* header, LRESULT& result)
{
    switch (header->code) {
    case PSN_APPLY:
        OnOK();
        result = PSNRET_NOERROR;
        return TRUE;
    case PSN_RESET:
        OnCancel();
        result = 0;
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CPropertyPage::OnUnhandledCommand(UINT notifyCode, UINT controlId)
{
    if (controlId != IDOK && controlId != IDCANCEL)
        return FALSE;
    ::PostMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(controlId, notifyCode), 0);
    return TRUE;
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
