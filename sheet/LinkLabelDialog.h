// CLinkLabelDialog: a dialog or property page that carries the link label (control IDC_LINK).
#pragma once

#include "sheet/LinkLabel.h"

// Base is CDialog or CPropertyPage. A class derived from this one routes the label's click
// (STN_CLICKED of IDC_LINK) to OnLinkClicked in its command table.
template <class Base>
class CLinkLabelDialog : public Base
{
public:
    explicit CLinkLabelDialog(UINT templateId) : Base(templateId) {}

protected:
    // The dialog's default colouring first, so the label keeps the dialog's background.
    HBRUSH OnCtlColor(HDC dc, HWND control) override
    {
        const HBRUSH dialogBrush = reinterpret_cast<HBRUSH>(this->Default(
            WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
        return LinkLabel::Colour(this->m_hWnd, dc, control, dialogBrush);
    }

    bool OnSetCursor(HWND window, UINT, UINT) override
    {
        return LinkLabel::SetCursorOver(this->m_hWnd, window);
    }

    void OnLinkClicked() { LinkLabel::Open(this->m_hWnd); }
};
