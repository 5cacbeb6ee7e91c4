// CPropertyPage: one page of a property sheet, a dialog whose OK and Cancel come from the sheet.
#pragma once

#include "framework/Dialog.h"

#include <commctrl.h>

class CPropertyPage : public CDialog
{
public:
    // The tab shows the template's caption.
    explicit CPropertyPage(UINT templateId);

    // Called when the user confirms the sheet with OK, and only for pages that have been shown.
    void OnOK() override;

    // The page's entry in the sheet's header: m_psp with the framework's procedure and this
    // object filled in.
    PROPSHEETPAGEA BuildSheetEntry();

    // Flags and fields the sheet passes to the common controls; owners may adjust dwFlags.
    PROPSHEETPAGEA m_psp;

protected:
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    // A page's OK and Cancel belong to its sheet: an IDOK or IDCANCEL command that reaches the
    // page (Enter or Esc in one of its controls) goes on to the sheet, never to OnOK or OnCancel.
    bool OnUnhandledCommand(UINT notifyCode, UINT controlId) override;

private:
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
