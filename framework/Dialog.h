// CDialog: a dialog object over a dialog template; routes the dialog's messages to its members.
#pragma once

#include "framework/CommandTable.h"
#include "framework/Wnd.h"

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT templateId);

    // Runs the dialog modally, owned by the active window of this thread (so that window stays
    // disabled until it ends). Returns the value given to EndDialog, or -1 when the dialog could
    // not be created.
    INT_PTR DoModal();

    // Fills the template's combo boxes from its initialisation data; overrides call it first.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    // The class's own command table, ended by an entry with a null handler; none by default.
    virtual const CommandEntry* GetCommandTable() const { return nullptr; }
    // A command that no table entry answers: IDOK and IDCANCEL end a dialog.
    virtual bool OnUnhandledCommand(UINT notifyCode, UINT controlId);
    // WM_NOTIFY; a handled notification returns true and puts its answer in result.
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    // WM_CTLCOLORSTATIC; null lets the dialog's default colouring stand.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control);
    // WM_SETCURSOR; false lets default processing set the cursor.
    virtual bool OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage);

    // The dialog manager's default processing of a message, as if this class did not handle it.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    // Routing shared by modal dialogs and property pages: attach on WM_INITDIALOG, detach on
    // WM_NCDESTROY, and hand everything else to HandleMessage.
    static INT_PTR Route(CDialog* initialising, HWND hWnd, UINT message, WPARAM wParam,
                         LPARAM lParam);

    UINT m_nIDTemplate;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteCommand(UINT notifyCode, UINT controlId);
    void FillListsFromTemplate();

    UINT m_nDefaultMessage;  // the message now in Default(), which this class must not handle
};

// The module that holds the program's resources: dialogs, icon, cursor.
HINSTANCE AfxGetResourceHandle();
