// The link label's look and feel inside the dialog that owns it: the hand cursor over the label
// and only there, and blue text for the label only; and the desktop shell that opens its address.
#include "framework/ScopedHandles.h"
#include "res/resource.h"
#include "sheet/AboutDlg.h"
#include "sheet/DesktopShell.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Sends the messages a moving pointer and painting would send, then closes itself.
class CProbeAboutDlg : public CAboutDlg
{
public:
    BOOL OnInitDialog() override
    {
        CAboutDlg::OnInitDialog();
        HWND label = GetDlgItem(IDC_LINK);
        HCURSOR hand = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_LINK_CURSOR));
        for (HWND window : {label, GetDlgItem(IDOK)}) {
            ::SetCursor(nullptr);
            ::SendMessageA(m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            handOver.push_back(::GetCursor() == hand);
        }
        // The label, then the version text (the icon is the first control).
        HDC dc = ::CreateCompatibleDC(nullptr);
        for (HWND control : {label, ::GetWindow(::GetWindow(label, GW_HWNDFIRST), GW_HWNDNEXT)}) {
            brushes.push_back(::SendMessageA(m_hWnd, WM_CTLCOLORSTATIC,
                                             reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(control)));
            colours.push_back(::GetTextColor(dc));
        }
        ::DeleteDC(dc);
        ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    std::vector<bool> handOver;
    std::vector<LRESULT> brushes;
    std::vector<COLORREF> colours;
};

}  // namespace

TEST(LinkLabelTest, HandCursorAndBlueTextOnlyForTheLabel)
{
    CProbeAboutDlg dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ((std::vector<bool>{true, false}), dialog.handOver);
    EXPECT_EQ(RGB(0, 0, 255), dialog.colours[0]);
    EXPECT_NE(RGB(0, 0, 255), dialog.colours[1]);
    // The label keeps the dialog's own background brush.
    EXPECT_TRUE(dialog.brushes[0] != 0 && dialog.brushes[0] == dialog.brushes[1]);
}

// Under Wine the desktop shell is explorer.exe /desktop. A broken step on the way to it would go
// unnoticed elsewhere: the label would still open its address, but from this process, with its
// rights. The scheme is registered nowhere, so nothing starts and no box comes up.
TEST(LinkLabelTest, DesktopShellTakesTheAddress)
{
    CScopedComInit com;
    EXPECT_TRUE(OpenWithDesktopShell("mirel-test-unregistered:nothing"));
}
