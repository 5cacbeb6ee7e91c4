// CMirelSetupPS: the settings sheet, and the control operations its pages move data with.
#include "MirelSetupPS.h"

const CRuntimeClass CMirelSetupPS::classCMirelSetupPS("CMirelSetupPS",
                                                      &CPropertySheet::classCPropertySheet,
                                                      nullptr);

CMirelSetupPS::CMirelSetupPS(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), m_pPageMain(nullptr),
      m_pPageFilter1(nullptr), m_pPageFilter2(nullptr), m_pPageHighLight(nullptr)
{
}

BOOL CMirelSetupPS::OnInitDialog()
{
    return CPropertySheet::OnInitDialog();
}

int CMirelSetupPS::GetItemCheck(const CWnd* page, int controlId)
{
    return static_cast<int>(::SendMessageA(page->GetDlgItem(controlId), BM_GETCHECK, 0, 0));
}

int CMirelSetupPS::GetItemCurSel(const CWnd* page, int controlId)
{
    return static_cast<int>(::SendMessageA(page->GetDlgItem(controlId), CB_GETCURSEL, 0, 0));
}

CString CMirelSetupPS::GetItemText(const CWnd* page, int controlId)
{
    return GetWindowTextOf(page->GetDlgItem(controlId));
}

void CMirelSetupPS::SetItemCheck(const CWnd* page, int controlId, int state)
{
    ::SendMessageA(page->GetDlgItem(controlId), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void CMirelSetupPS::SetItemCurSel(const CWnd* page, int controlId, int index)
{
    ::SendMessageA(page->GetDlgItem(controlId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CMirelSetupPS::SetItemText(const CWnd* page, int controlId, CString text)
{
    ::SetWindowTextA(page->GetDlgItem(controlId), text);
}
