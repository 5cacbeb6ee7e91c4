// A user's whole journey: install from the distribution folder, open the settings through the
// desktop shortcut, change something on every page, OK, reopen and find the changes, uninstall.
#include "InstallerProgram.h"
#include "SettingsProgram.h"
#include "res/resource.h"
#include "tests/common/SetupKit.h"
#include "tests/common/StoreKit.h"

#include <commctrl.h>

namespace {

HWND ShowPage(HWND sheet, int index)
{
    driver::SelectPage(sheet, index);
    return driver::CurrentPage(sheet);
}

}  // namespace

class UserJourneyTest : public InstallerTest
{
protected:
    void SetUp() override
    {
        InstallerTest::SetUp();
        storekit::DeleteStore();
    }
    void TearDown() override
    {
        storekit::DeleteStore();
        InstallerTest::TearDown();
    }
};

TEST_F(UserJourneyTest, InstallEditReopenAndUninstall)
{
    InstallAsUser();
    setupkit::LinkFields link;
    ASSERT_TRUE(setupkit::ReadLink(setupkit::DesktopLink(), &link));

    {
        driver::Program settings(link.target, link.workingDirectory);
        HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
        ASSERT_NE(nullptr, sheet);
        HWND page = ShowPage(sheet, 0);
        ::SendMessageA(driver::Child(page, IDC_MAIN_DISP_AFTER), BM_CLICK, 0, 0);
        ::SendMessageA(driver::Child(page, IDC_MAIN_SORT_REMAINING), BM_CLICK, 0, 0);
        page = ShowPage(sheet, 1);
        driver::ChooseComboItem(driver::Child(page, IDC_F1_RATING), 1);
        ::SendMessageA(driver::Child(page, IDC_F1_YELLOW_COUNT_CHECK), BM_CLICK, 0, 0);
        driver::TypeText(driver::Child(page, IDC_F1_YELLOW_COUNT_EDIT), L"25");
        driver::ChooseComboItem(driver::Child(page, IDC_F1_PAY_BANK), 1);
        page = ShowPage(sheet, 2);
        driver::ChooseComboItem(driver::Child(page, IDC_F2_QUESTIONS), 2);
        page = ShowPage(sheet, 3);
        driver::TypeText(driver::Child(page, IDC_HL_TEXT), L"テスト  \r\n語句");
        driver::PressSheetButton(sheet, PSBTN_OK);
        ASSERT_EQ(0u, settings.WaitForExit());
    }

    CommonData expected;
    expected.nDispPos = 1;
    expected.nDefaultSort = 1;
    expected.nRating = 1;
    expected.bYellowCount = 1;
    expected.nYellowCount = 25;
    expected.nPayBank = 1;
    expected.nQuestions = 2;
    expected.strHighLight = "テスト\r\n語句";
    std::string differs;
    EXPECT_TRUE(storekit::SameRecord(expected, storekit::ReadStore(), &differs)) << differs;

    driver::Program settings(link.target, link.workingDirectory);
    HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
    ASSERT_NE(nullptr, sheet);
    HWND page = ShowPage(sheet, 0);
    EXPECT_EQ(1, driver::CheckState(driver::Child(page, IDC_MAIN_DISP_AFTER)));
    EXPECT_EQ(1, driver::CheckState(driver::Child(page, IDC_MAIN_SORT_REMAINING)));
    page = ShowPage(sheet, 1);
    EXPECT_EQ(1, driver::ComboSelection(driver::Child(page, IDC_F1_RATING)));
    EXPECT_EQ(1, driver::CheckState(driver::Child(page, IDC_F1_YELLOW_COUNT_CHECK)));
    EXPECT_EQ("25", driver::Text(driver::Child(page, IDC_F1_YELLOW_COUNT_EDIT)));
    EXPECT_TRUE(::IsWindowEnabled(driver::Child(page, IDC_F1_YELLOW_COUNT_EDIT)));
    EXPECT_EQ(1, driver::ComboSelection(driver::Child(page, IDC_F1_PAY_BANK)));
    page = ShowPage(sheet, 2);
    EXPECT_EQ(2, driver::ComboSelection(driver::Child(page, IDC_F2_QUESTIONS)));
    page = ShowPage(sheet, 3);
    EXPECT_EQ("テスト\r\n語句", driver::Text(driver::Child(page, IDC_HL_TEXT)));

    ClickUninstall(sheet);
    ASSERT_TRUE(AnswerBox(settings, kSettingsAppName, kConfirmUninstallText, kYesNo,
                          driver::Icon::Question, IDYES));
    ASSERT_TRUE(AnswerBox(settings, kSettingsAppName, kUninstalledText, kOk,
                          driver::Icon::Information, IDOK));
    EXPECT_EQ(0xFFFFFFFFu, settings.WaitForExit());
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsLink()));
    EXPECT_TRUE(setupkit::NothingRegistered());
    ASSERT_TRUE(setupkit::CarryOutPendingRemovals());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
    // The settings are the user's: uninstalling leaves them for a later installation.
    EXPECT_TRUE(storekit::SameRecord(expected, storekit::ReadStore(), &differs)) << differs;
}
