// The link label: a static text control whose text is an address, drawn blue, showing the hand
// cursor, and opening its address with the user's shell when clicked.
#include "sheet/LinkLabel.h"

#include "framework/Dialog.h"
#include "framework/ScopedHandles.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "sheet/DesktopShell.h"

#include <shellapi.h>

namespace LinkLabel {

HBRUSH Colour(HWND dialog, HDC dc, HWND control, HBRUSH dialogBrush)
{
    if (control == ::GetDlgItem(dialog, IDC_LINK))
        ::SetTextColor(dc, RGB(0, 0, 255));
    return dialogBrush;
}

BOOL SetCursorOver(HWND dialog, HWND window)
{
    if (window != ::GetDlgItem(dialog, IDC_LINK))
        return FALSE;
    ::SetCursor(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_LINK_CURSOR)));
    return TRUE;
}

void Open(HWND dialog)
{
    // The label's text at the moment of the click is the address.
    const CString address = GetWindowTextOf(::GetDlgItem(dialog, IDC_LINK));
    // This program runs elevated for administrators; the browser should not. The user's desktop
    // shell opens it as the user; only where none runs, or it cannot be reached, does this
    // process open it itself.
    CScopedComInit com;
    if (!OpenWithDesktopShell(address))
        ::ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace LinkLabel
