// CPropertySheet: a modal property sheet over the common controls' PropertySheetA.
#pragma once

#include "framework/PropertyPage.h"

class CPropertySheet : public CWnd
{
public:
    CPropertySheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    // Pages are shown in the order added; the sheet does not own them. False, and the page not
    // added, when the sheet already holds kMaxPages.
    bool AddPage(CPropertyPage* page);

    // IDOK when the user confirmed with OK; IDCANCEL on Cancel, on closing the window and when
    // the sheet could not be created.
    INT_PTR DoModal();

    // Called once the sheet's window exists, before the user sees it.
    virtual BOOL OnInitDialog();

    // Header passed to PropertySheetA; owners may adjust dwFlags before DoModal.
    PROPSHEETHEADERA m_psh;

    static const int kMaxPages = 8;

private:
    static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);
    // Watches the sheet's window for its end, to detach from it.
    static LRESULT CALLBACK SheetWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSheetProc;  // the common controls' own procedure of the sheet window

    CString m_strCaption;
    CWnd* m_pParentWnd;
    CPropertyPage* m_pages[kMaxPages];
    int m_nPages;
};
