// The link label: a static text control whose text is an address, drawn blue, showing the hand
// cursor, and opening its address with the user's shell when clicked.
#include "sheet/LinkLabel.h"

#include "framework/Dialog.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "sheet/AddressOpening.h"

namespace LinkLabel {

HBRUSH Colour(HWND dialog, HDC dc, HWND control, HBRUSH dialogBrush)
{
    if (control == ::GetDlgItem(dialog, IDC_LINK))
        ::SetTextColor(dc, RGB(0, 0, 255));
    return dialogBrush;
}

bool SetCursorOver(HWND dialog, HWND window)
{
    if (window != ::GetDlgItem(dialog, IDC_LINK))
        return false;
    ::SetCursor(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_LINK_CURSOR)));
    return true;
}

void Open(HWND dialog)
{
    // The label's text at the moment of the click is the address. It is opened away from this
    // thread, so that the window answers while the desktop shell takes the address.
    OpenAddress(GetWindowTextOf(::GetDlgItem(dialog, IDC_LINK)));
}

}  // namespace LinkLabel
