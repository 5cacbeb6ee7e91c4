// Control access for the settings pages: each operation looks one control up on a page and
// sends it one message.
#include "sheet/ItemAccess.h"

int GetItemCheck(const CWnd* page, int controlId)
{
    return static_cast<int>(::SendMessageA(page->GetDlgItem(controlId), BM_GETCHECK, 0, 0));
}

int GetItemCurSel(const CWnd* page, int controlId)
{
    return static_cast<int>(::SendMessageA(page->GetDlgItem(controlId), CB_GETCURSEL, 0, 0));
}

CString GetItemText(const CWnd* page, int controlId)
{
    return GetWindowTextOf(page->GetDlgItem(controlId));
}

void SetItemCheck(const CWnd* page, int controlId, int state)
{
    ::SendMessageA(page->GetDlgItem(controlId), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void SetItemCurSel(const CWnd* page, int controlId, int index)
{
    ::SendMessageA(page->GetDlgItem(controlId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SetItemText(const CWnd* page, int controlId, CString text)
{
    ::SetWindowTextA(page->GetDlgItem(controlId), text);
}
