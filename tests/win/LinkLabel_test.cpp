// The link label's look and feel inside the dialog that owns it: the hand cursor over the label
// and only there, and blue text for the label only; and the desktop shell that opens its address.
#include "framework/ScopedHandles.h"
#include "res/resource.h"
#include "sheet/AboutDlg.h"
#include "sheet/DesktopShell.h"

#include <gtest/gtest.h>

namespace {

struct Probe
{
    bool handOverLabel = false, handElsewhere = true;
    COLORREF labelColour = 0, otherColour = 0;
    bool labelBrushIsDialogs = false;
};

// Sends the messages a moving pointer and painting would send, then closes itself.
class CProbeAboutDlg : public CAboutDlg
{
public:
    BOOL OnInitDialog() override
    {
        CAboutDlg::OnInitDialog();
        HWND label = GetDlgItem(IDC_LINK);
        HWND okButton = GetDlgItem(IDOK);
        HCURSOR hand = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_LINK_CURSOR));
        const LPARAM pointerMove = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

        ::SetCursor(nullptr);
        ::SendMessageA(m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), pointerMove);
        probe.handOverLabel = ::GetCursor() == hand;
        ::SetCursor(nullptr);
        ::SendMessageA(m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(okButton), pointerMove);
        probe.handElsewhere = ::GetCursor() == hand;

        HDC dc = ::CreateCompatibleDC(nullptr);
        ::SetTextColor(dc, RGB(1, 2, 3));
        const LRESULT labelBrush =
            ::SendMessageA(m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(label));
        probe.labelColour = ::GetTextColor(dc);
        HWND other = ::GetWindow(label, GW_HWNDFIRST);  // the icon, the first control
        other = ::GetWindow(other, GW_HWNDNEXT);        // the version text
        const LRESULT otherBrush =
            ::SendMessageA(m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(other));
        probe.otherColour = ::GetTextColor(dc);
        probe.labelBrushIsDialogs = labelBrush != 0 && labelBrush == otherBrush;
        ::DeleteDC(dc);

        ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    Probe probe;
};

}  // namespace

TEST(LinkLabelTest, HandCursorAndBlueTextOnlyForTheLabel)
{
    CProbeAboutDlg dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(dialog.probe.handOverLabel);
    EXPECT_FALSE(dialog.probe.handElsewhere);
    EXPECT_EQ(RGB(0, 0, 255), dialog.probe.labelColour);
    EXPECT_NE(RGB(0, 0, 255), dialog.probe.otherColour);
    // The label keeps the dialog's own background brush.
    EXPECT_TRUE(dialog.probe.labelBrushIsDialogs);
}

// Under Wine the desktop shell is explorer.exe /desktop. A broken step on the way to it would go
// unnoticed elsewhere: the label would still open its address, but from this process, with its
// rights. The scheme is registered nowhere, so nothing starts and no box comes up.
TEST(LinkLabelTest, DesktopShellTakesTheAddress)
{
    CScopedComInit com;
    EXPECT_TRUE(OpenWithDesktopShell("mirel-test-unregistered:nothing"));
}
