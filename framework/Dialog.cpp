// CDialog: a dialog object over a dialog template; routes the dialog's messages to its members.
#include "framework/Dialog.h"

#include "base/DialogInitData.h"
#include "framework/DllSearch.h"

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

CDialog::CDialog(UINT templateId) : m_nIDTemplate(templateId), m_nDefaultMessage(0) {}

INT_PTR CDialog::DoModal()
{
    HWND owner = ::GetActiveWindow();
    if (owner != nullptr)
        owner = ::GetAncestor(owner, GA_ROOT);
    LoadWindowingDllsFromSystemFolder();
    return ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog()
{
    FillListsFromTemplate();
    return TRUE;
}

void CDialog::OnOK()
{
    ::EndDialog(m_hWnd, IDOK);
}

void CDialog::OnCancel()
{
    ::EndDialog(m_hWnd, IDCANCEL);
}

bool CDialog::OnNotify(NMHDR*, LRESULT&)
{
    return false;
}

HBRUSH CDialog::OnCtlColor(HDC, HWND)
{
    return nullptr;
}

bool CDialog::OnSetCursor(HWND, UINT, UINT)
{
    return false;
}

LRESULT CDialog::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    // DefDlgProc asks our dialog procedure first; m_nDefaultMessage makes it decline.
    const UINT saved = m_nDefaultMessage;
    m_nDefaultMessage = message;
    const LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    m_nDefaultMessage = saved;
    return result;
}

void CDialog::FillListsFromTemplate()
{
    const HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(m_nIDTemplate),
                                     MAKEINTRESOURCEA(kDialogInitResourceType));
    if (resource == nullptr)
        return;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    DialogInitReader reader(data, ::SizeofResource(module, resource));
    DialogInitRecord record;
    while (reader.Next(record)) {
        if (record.message != kDialogInitComboAddString)
            continue;  // only combo boxes take initialisation data in our templates
        const CString text(record.data, static_cast<int>(record.length));
        ::SendDlgItemMessageA(m_hWnd, record.controlId, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(static_cast<const char*>(text)));
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* initialising = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr;
    return Route(initialising, hWnd, message, wParam, lParam);
}

INT_PTR CDialog::Route(CDialog* initialising, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = initialising;
    if (dialog != nullptr)
        dialog->Attach(hWnd);
    else
        dialog = static_cast<CDialog*>(CWnd::FromHandle(hWnd));
    if (dialog == nullptr)
        return FALSE;  // messages before WM_INITDIALOG
    if (message == WM_NCDESTROY) {
        dialog->Detach();
        return FALSE;
    }
    if (message == dialog->m_nDefaultMessage)
        return FALSE;
    return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return RouteCommand(HIWORD(wParam), LOWORD(wParam));
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), result))
            return FALSE;
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        // Like the other WM_CTLCOLOR messages, answered with the dialog procedure's result
        // itself, not through DWLP_MSGRESULT.
        return reinterpret_cast<INT_PTR>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_SETCURSOR:
        if (!OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)))
            return FALSE;
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}

bool CDialog::RouteCommand(UINT notifyCode, UINT controlId)
{
    for (const CommandEntry* entry = GetCommandTable(); entry != nullptr; ++entry) {
        const CommandTarget& target = entry->target;
        if (target.plain == nullptr && target.withControl == nullptr)
            break;
        if (entry->notifyCode != notifyCode || entry->controlId != controlId)
            continue;
        if (target.withControl != nullptr)
            (this->*target.withControl)(controlId);
        else
            (this->*target.plain)();
        return true;
    }
    return OnUnhandledCommand(notifyCode, controlId);
}

bool CDialog::OnUnhandledCommand(UINT notifyCode, UINT controlId)
{
    if (notifyCode == BN_CLICKED && controlId == IDOK) {
        OnOK();
        return true;
    }
    if (notifyCode == BN_CLICKED && controlId == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}
