// A user's whole journey: install from the distribution folder, open the settings through the
// desktop shortcut and look at every page and the About box, uninstall from the Main page. The
// pictures of the pages, the About box and the removal's boxes come from here.
#include "res/resource.h"
#include "tests/common/SetupKit.h"
#include "tests/e2e/SetupTest.h"

TEST_F(SetupTest, InstallOpenThroughTheShortcutAndUninstall)
{
    InstallAsUser();
    setupkit::LinkFields link;
    ASSERT_TRUE(setupkit::ReadLink(setupkit::DesktopLink(), &link));
    driver::Program settings(link.target, link.workingDirectory);
    HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
    ASSERT_NE(nullptr, sheet);
    const char* const pictures[] = {"page-main", "page-filter1", "page-filter2", "page-highlight"};
    for (int i = 3; i >= 0; --i) {
        driver::ShowPage(sheet, i);
        driver::SaveScreenshot(sheet, pictures[i]);
    }
    HWND main = driver::ShowPage(sheet, 0);
    driver::Click(::GetDlgItem(main, IDC_MAIN_ABOUT));
    HWND about = driver::WaitForWindow(settings.Pid(), "#32770", kAboutCaption);
    ASSERT_NE(nullptr, about);
    EXPECT_FALSE(::IsWindowEnabled(sheet));  // the box is the sheet's
    driver::SaveScreenshot(about, "about");
    driver::Click(::GetDlgItem(about, IDOK));
    ASSERT_TRUE(driver::WaitForWindowGone(about));

    driver::Click(::GetDlgItem(main, IDC_MAIN_UNINSTALL));
    Uninstall(settings, {kUninstalledText}, "uninstall-complete", "uninstall-confirm");
    ASSERT_TRUE(setupkit::RestartWine());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
}
