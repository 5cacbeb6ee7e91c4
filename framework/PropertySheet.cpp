// CPropertySheet: a modal property sheet over the common controls' PropertySheetA.
#include "framework/PropertySheet.h"

#include "framework/DllSearch.h"

#include <string.h>

namespace {

// The sheet whose window PropertySheetA is creating now; its callback carries no user data.
CPropertySheet* sheetBeingCreated = nullptr;

INT_PTR SheetResultToDialogResult(INT_PTR propertySheetResult)
{
    // Positive: OK (values above 1 ask for a restart, still a confirmation); 0: Cancel or
    // closed; -1: the sheet could not be created, which must not count as a confirmation.
    return propertySheetResult > 0 ? IDOK : IDCANCEL;
}

}  // namespace

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : m_pfnSheetProc(nullptr), m_strCaption(caption), m_pParentWnd(parent), m_pages(), m_nPages(0)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.nStartPage = selectPage;
}

bool CPropertySheet::AddPage(CPropertyPage* page)
{
    if (page == nullptr || m_nPages >= kMaxPages)
        return false;
    m_pages[m_nPages++] = page;
    return true;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    PROPSHEETPAGEA entries[kMaxPages];
    for (int i = 0; i < m_nPages; ++i)
        entries[i] = m_pages[i]->BuildSheetEntry();

    PROPSHEETHEADERA header = m_psh;
    header.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOCONTEXTHELP;
    header.hwndParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    header.hInstance = AfxGetResourceHandle();
    header.pszCaption = m_strCaption;
    header.nPages = static_cast<UINT>(m_nPages);
    header.ppsp = entries;
    header.pfnCallback = &CPropertySheet::SheetCallback;

    sheetBeingCreated = this;
    const INT_PTR result = CommonControlsPropertySheet(&header);
    sheetBeingCreated = nullptr;
    return SheetResultToDialogResult(result);
}

int CALLBACK CPropertySheet::SheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && sheetBeingCreated != nullptr) {
        CPropertySheet* sheet = sheetBeingCreated;
        sheet->Attach(hWnd);
        sheet->m_pfnSheetProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
            hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CPropertySheet::SheetWindowProc)));
        sheet->OnInitDialog();
    }
    return 0;
}

LRESULT CALLBACK CPropertySheet::SheetWindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam)
{
    CPropertySheet* sheet = static_cast<CPropertySheet*>(CWnd::FromHandle(hWnd));
    const WNDPROC sheetProc = sheet != nullptr ? sheet->m_pfnSheetProc : nullptr;
    if (sheetProc == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(sheetProc));
        sheet->Detach();
        sheet->m_pfnSheetProc = nullptr;
    }
    return ::CallWindowProcA(sheetProc, hWnd, message, wParam, lParam);
}
