// CWnd: a window object attached to its handle, and the lookup from a handle back to the object.
#include "framework/Wnd.h"

namespace {
// The window property that carries the object; a property works for every window class,
// including the property sheet, whose window data belong to the common controls.
const char kObjectProperty[] = "Framework.CWnd";
}  // namespace

CWnd::~CWnd()
{
    Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty));
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        ::RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

CString GetWindowTextOf(HWND hWnd)
{
    CString text;
    const int length = ::GetWindowTextLengthA(hWnd);
    if (length > 0) {
        // The length is an upper bound for multi-byte text; the read reports the true one.
        const int read = ::GetWindowTextA(hWnd, text.GetBuffer(length), length + 1);
        text.ReleaseBuffer(read > 0 ? read : 0);
    }
    return text;
}
