// The settings cycle end to end: the sheet as a user sees it, one copy at a time, Cancel and
// closing store nothing, and a store that refuses the record is reported. (OK at once: the Main
// page's tests.)
#include "SettingsProgram.h"
#include "support/RecordFields.h"
#include "tests/common/StoreKit.h"

#include <commctrl.h>

namespace {

// A loaded record whose Main page fields are already as the page writes them back, so OK at
// once must leave every value as it was.
CommonData SeededRecord()
{
    CommonData data = storekit::DistinctRecord(100);
    data.nDispPos = 1;
    data.nDefaultSort = 0;
    data.strHighLight = "表示\r\nソフト　\r\n";
    return data;
}

}  // namespace

TEST_F(SettingsProgramTest, SheetShowsItsCaptionTabsAndOnlyOkAndCancel)
{
    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ((std::vector<std::string>{"メイン", "フィルター１", "フィルター２", "ハイライト"}),
              driver::TabTexts(sheet));
    EXPECT_EQ("OK", driver::Text(driver::Child(sheet, IDOK)));
    EXPECT_EQ("キャンセル", driver::Text(driver::Child(sheet, IDCANCEL)));
    const int kApplyButton = 0x3021;
    for (int hidden : {kApplyButton, static_cast<int>(IDHELP)}) {
        HWND button = driver::Child(sheet, hidden);
        EXPECT_TRUE(button == nullptr || !::IsWindowVisible(button)) << hidden;
    }
    driver::SaveScreenshot(sheet, "sheet");
    CancelAndExpectExit(program, sheet);
}

TEST_F(SettingsProgramTest, SecondCopyIsRefusedAndTheFirstKeepsItsSheet)
{
    driver::Program first = Start();
    HWND sheet = WaitForSheet(first);
    ASSERT_NE(nullptr, sheet);

    driver::Program second = Start();
    const driver::MessageBoxSeen box = driver::WaitForMessageBox(second.Pid(), kSettingsAppName);
    ASSERT_NE(nullptr, box.hWnd);
    EXPECT_EQ(kAlreadyRunningText, box.text);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    EXPECT_EQ(driver::Icon::Exclamation, box.icon);
    driver::SaveScreenshot(box.hWnd, "already-running");
    ASSERT_TRUE(driver::Answer(box, IDOK));
    EXPECT_EQ(0u, second.WaitForExit());

    EXPECT_TRUE(::IsWindowVisible(sheet));
    CancelAndExpectExit(first, sheet);
}

TEST_F(SettingsProgramTest, CancelAndClosingStoreNothingAfterEdits)
{
    const struct
    {
        const char* name;
        UINT message;
        WPARAM wParam;
    } endings[] = {
        {"Cancel", PSM_PRESSBUTTON, PSBTN_CANCEL},
        {"close box", WM_SYSCOMMAND, SC_CLOSE},
        {"Esc", WM_COMMAND, IDCANCEL},
    };
    for (const auto& ending : endings) {
        const CommonData seeded = SeededRecord();
        storekit::SeedStore(seeded);
        storekit::DeleteValue("nQuestions");

        driver::Program program = Start();
        HWND sheet = WaitForSheet(program);
        ASSERT_NE(nullptr, sheet) << ending.name;
        EditEveryControl(sheet);
        ::PostMessageA(sheet, ending.message, ending.wParam, 0);
        EXPECT_EQ(0u, program.WaitForExit()) << ending.name;

        DWORD value = 0;
        EXPECT_FALSE(storekit::GetDword("nQuestions", &value)) << ending.name << ": store written";
        std::string differs;
        EXPECT_TRUE(storekit::SameRecord(seeded, storekit::ReadStore(seeded), &differs))
            << ending.name << ": " << differs;
    }
}

TEST_F(SettingsProgramTest, StoreThatRefusesTheRecordIsReported)
{
    const CommonData seeded = SeededRecord();
    storekit::SeedStore(seeded);
    storekit::MakeStoreReadOnly();

    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    driver::PressSheetButton(sheet, PSBTN_OK);
    const driver::MessageBoxSeen box = driver::WaitForMessageBox(program.Pid(), kSettingsAppName);
    ASSERT_NE(nullptr, box.hWnd);
    EXPECT_EQ(kSaveFailedText, box.text);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    EXPECT_EQ(driver::Icon::Error, box.icon);
    driver::SaveScreenshot(box.hWnd, "save-failed");
    ASSERT_TRUE(driver::Answer(box, IDOK));
    EXPECT_EQ(0u, program.WaitForExit());
}
