// CPropertySheet: a modal property sheet over the common controls' PropertySheetA.
#include "PropertySheet.h"

#include <string.h>

namespace {
// The sheet whose window PropertySheetA is creating now; its callback carries no user data.
CPropertySheet* sheetBeingCreated = nullptr;
const UINT_PTR kSubclassId = 1;
}  // namespace

const CRuntimeClass CPropertySheet::classCPropertySheet("CPropertySheet", &CWnd::classCWnd,
                                                        nullptr);

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption), m_pParentWnd(parent), m_pages(), m_nPages(0)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (page != nullptr && m_nPages < kMaxPages)
        m_pages[m_nPages++] = page;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

INT_PTR SheetResultToDialogResult(INT_PTR propertySheetResult)
{
    // Positive: OK (values above 1 ask for a restart, still a confirmation); 0: Cancel or
    // closed; -1: the sheet could not be created, which must not count as a confirmation.
    return propertySheetResult > 0 ? IDOK : IDCANCEL;
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
    const INT_PTR result = ::PropertySheetA(&header);
    sheetBeingCreated = nullptr;
    return SheetResultToDialogResult(result);
}

int CALLBACK CPropertySheet::SheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && sheetBeingCreated != nullptr) {
        CPropertySheet* sheet = sheetBeingCreated;
        sheet->Attach(hWnd);
        ::SetWindowSubclass(hWnd, &CPropertySheet::SheetSubclassProc, kSubclassId,
                            reinterpret_cast<DWORD_PTR>(sheet));
        sheet->OnInitDialog();
    }
    return 0;
}

LRESULT CALLBACK CPropertySheet::SheetSubclassProc(HWND hWnd, UINT message, WPARAM wParam,
                                                   LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_NCDESTROY) {
        reinterpret_cast<CPropertySheet*>(data)->Detach();
        ::RemoveWindowSubclass(hWnd, &CPropertySheet::SheetSubclassProc, kSubclassId);
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}
