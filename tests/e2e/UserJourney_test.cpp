// A user's whole journey: install from the distribution folder, open the settings through the
// desktop shortcut, change something on every page, OK, reopen and find the changes, uninstall.
// The pictures of the pages and the About box come from here.
#include "SetupTest.h"
#include "res/resource.h"
#include "tests/common/SetupKit.h"

#include <commctrl.h>

namespace {

LRESULT Send(HWND page, int id, UINT message, WPARAM wParam = 0)
{
    return ::SendDlgItemMessageA(page, id, message, wParam, 0);
}

void Choose(HWND page, int id, int index)
{
    Send(page, id, CB_SETCURSEL, index);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}

}  // namespace

TEST_F(SetupTest, InstallEditReopenAndUninstall)
{
    InstallAsUser();
    setupkit::LinkFields link;
    ASSERT_TRUE(setupkit::ReadLink(setupkit::DesktopLink(), &link));
    const char* const pictures[] = {"page-main", "page-filter1", "page-filter2", "page-highlight"};
    for (bool reopened : {false, true}) {
        driver::Program settings(link.target, link.workingDirectory);
        HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
        ASSERT_NE(nullptr, sheet);
        HWND pages[4];
        for (int i = 0; i < 4; ++i) {
            pages[i] = driver::ShowPage(sheet, i);
            if (!reopened)
                driver::SaveScreenshot(sheet, pictures[i]);
        }
        if (!reopened) {
            driver::Click(::GetDlgItem(pages[0], IDC_MAIN_DISP_AFTER));
            Choose(pages[1], IDC_F1_PAY_BANK, 2);
            Choose(pages[2], IDC_F2_QUESTIONS, 3);
            ::SendMessageW(::GetDlgItem(pages[3], IDC_HL_TEXT), WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>(L"テスト  \r\n語句"));
            driver::Click(::GetDlgItem(pages[0], IDC_MAIN_ABOUT));
            HWND about = driver::WaitForWindow(settings.Pid(), "#32770", kAboutCaption);
            ASSERT_NE(nullptr, about);
            EXPECT_FALSE(::IsWindowEnabled(sheet));  // the box is the sheet's
            driver::SaveScreenshot(about, "about");
            driver::Click(::GetDlgItem(about, IDOK));
            ASSERT_TRUE(driver::WaitForWindowGone(about));
            driver::PressSheetButton(sheet, PSBTN_OK);
            ASSERT_EQ(0u, settings.WaitForExit());
            continue;
        }
        EXPECT_EQ(BST_CHECKED, Send(pages[0], IDC_MAIN_DISP_AFTER, BM_GETCHECK));
        EXPECT_EQ(2, Send(pages[1], IDC_F1_PAY_BANK, CB_GETCURSEL));
        EXPECT_EQ(3, Send(pages[2], IDC_F2_QUESTIONS, CB_GETCURSEL));
        EXPECT_EQ("テスト\r\n語句", driver::Text(::GetDlgItem(pages[3], IDC_HL_TEXT)));
        driver::Click(::GetDlgItem(pages[0], IDC_MAIN_UNINSTALL));
        ASSERT_TRUE(Answer(settings, kSettingsAppName, kConfirmUninstallText, kYesNo, IDYES));
        ASSERT_TRUE(Answer(settings, kSettingsAppName, kUninstalledText, kOk, IDOK));
        EXPECT_EQ(0xFFFFFFFFu, settings.WaitForExit());
    }
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    ASSERT_TRUE(setupkit::RestartWine());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
}
