// CWnd: a window object attached to its handle, and the lookup from a handle back to the object.
#pragma once

#include "base/String.h"
#include "framework/RuntimeClass.h"

#include <windows.h>

class CWnd : public CObject
{
public:
    CWnd() : m_hWnd(nullptr) {}
    ~CWnd() override;

    // The object attached to hWnd, or null when none is.
    static CWnd* FromHandle(HWND hWnd);

    HWND GetDlgItem(int controlId) const { return ::GetDlgItem(m_hWnd, controlId); }

    HWND m_hWnd;

protected:
    // Attach links handle and object both ways; Detach undoes it. A window must be detached
    // before it is destroyed (the framework does so on WM_NCDESTROY).
    void Attach(HWND hWnd);
    void Detach();
};

// The text of any window, read into a new string.
CString GetWindowTextOf(HWND hWnd);
