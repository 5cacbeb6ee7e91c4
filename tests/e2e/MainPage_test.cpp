// The Main page and the About box end to end: the two radio pairs, OK writing back only their
// two fields, the About box over the disabled sheet, and both link labels.
#include "SettingsProgram.h"
#include "UrlHandler.h"
#include "res/ProductInfo.h"
#include "res/resource.h"
#include "tests/common/SetupKit.h"
#include "tests/common/StoreKit.h"

#include <commctrl.h>

namespace {

HWND MainPage(HWND sheet)
{
    driver::SelectPage(sheet, 0);
    return driver::CurrentPage(sheet);
}

// Pixels of the window's text drawn in blue (allowing for smoothed edges).
int BluePixels(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    int count = 0;
    for (DWORD p : driver::ScreenPixels(rect)) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (b > 160 && r < 110 && g < 110)
            ++count;
    }
    return count;
}

// Every static text of a dialog but the link label (and the icon): none may be recoloured.
std::vector<HWND> OtherStatics(HWND dialog)
{
    std::vector<HWND> statics;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        ::GetClassNameA(child, className, sizeof(className));
        const bool isIcon = (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (std::string(className) == "Static" && ::GetDlgCtrlID(child) != IDC_LINK && !isIcon)
            statics.push_back(child);
    }
    return statics;
}

void ClickLabel(HWND label)
{
    ::PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

}  // namespace

TEST_F(SettingsProgramTest, OkAtOnceRewritesOnlyTheMainPagesPairsNormalised)
{
    const struct
    {
        int dispPos, defaultSort;
        bool after, remaining;
        int storedPos, storedSort;
    } cases[] = {
        {0, 0, false, false, 0, 0},
        {1, 1, true, true, 1, 1},
        {5, -3, true, true, 1, 1},  // any value but 0 shows the second button, stored as 1
    };
    for (const auto& c : cases) {
        CommonData seeded = storekit::DistinctRecord(300);
        seeded.nDispPos = c.dispPos;
        seeded.nDefaultSort = c.defaultSort;
        seeded.strHighLight = "残す";
        storekit::SeedStore(seeded);
        // A value the store lacks reaches the sheet as the zero of a fresh record; OK writes it.
        storekit::DeleteValue("nReserved9");

        driver::Program program = Start();
        HWND sheet = WaitForSheet(program);
        ASSERT_NE(nullptr, sheet);
        HWND page = MainPage(sheet);
        EXPECT_EQ(!c.after, driver::CheckState(driver::Child(page, IDC_MAIN_DISP_BEFORE)) == 1);
        EXPECT_EQ(c.after, driver::CheckState(driver::Child(page, IDC_MAIN_DISP_AFTER)) == 1);
        EXPECT_EQ(!c.remaining,
                  driver::CheckState(driver::Child(page, IDC_MAIN_SORT_STANDARD)) == 1);
        EXPECT_EQ(c.remaining,
                  driver::CheckState(driver::Child(page, IDC_MAIN_SORT_REMAINING)) == 1);
        if (c.dispPos == 0)
            driver::SaveScreenshot(sheet, "page-main");
        driver::PressSheetButton(sheet, PSBTN_OK);
        EXPECT_EQ(0u, program.WaitForExit());

        CommonData expected = seeded;
        expected.nDispPos = c.storedPos;
        expected.nDefaultSort = c.storedSort;
        expected.nReserved9 = 0;
        std::string differs;
        EXPECT_TRUE(storekit::SameRecord(expected, storekit::ReadStore(), &differs))
            << c.dispPos << "/" << c.defaultSort << ": " << differs;
    }
}

TEST_F(SettingsProgramTest, PositionPairAndSortPairAreIndependent)
{
    storekit::DeleteStore();
    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    HWND page = MainPage(sheet);
    auto states = [page]() {
        std::vector<int> s;
        for (int id : {IDC_MAIN_DISP_BEFORE, IDC_MAIN_DISP_AFTER, IDC_MAIN_SORT_STANDARD,
                       IDC_MAIN_SORT_REMAINING})
            s.push_back(driver::CheckState(driver::Child(page, id)));
        return s;
    };
    EXPECT_EQ((std::vector<int>{1, 0, 1, 0}), states());
    ::SendMessageA(driver::Child(page, IDC_MAIN_DISP_AFTER), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<int>{0, 1, 1, 0}), states());
    ::SendMessageA(driver::Child(page, IDC_MAIN_SORT_REMAINING), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<int>{0, 1, 0, 1}), states());
    ::SendMessageA(driver::Child(page, IDC_MAIN_DISP_BEFORE), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<int>{1, 0, 0, 1}), states());
    driver::PressSheetButton(sheet, PSBTN_OK);
    EXPECT_EQ(0u, program.WaitForExit());
    DWORD dispPos = 9, defaultSort = 9;
    EXPECT_TRUE(storekit::GetDword("nDispPos", &dispPos));
    EXPECT_TRUE(storekit::GetDword("nDefaultSort", &defaultSort));
    EXPECT_EQ(0u, dispPos);
    EXPECT_EQ(1u, defaultSort);
}

TEST_F(SettingsProgramTest, AboutBoxOpensOverTheDisabledSheetAndClosesWithOkOrEsc)
{
    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    HWND page = MainPage(sheet);
    for (const char* closeWith : {"OK", "Esc"}) {
        driver::Click(driver::Child(page, IDC_MAIN_ABOUT));
        HWND about = driver::WaitForWindow(program.Pid(), "#32770", kAboutCaption);
        ASSERT_NE(nullptr, about) << closeWith;
        EXPECT_FALSE(::IsWindowEnabled(sheet)) << closeWith;
        EXPECT_EQ(sheet, ::GetWindow(about, GW_OWNER)) << closeWith;
        EXPECT_EQ("ミレル Version 5.00", driver::Text(OtherStatics(about).front()));
        driver::SaveScreenshot(about, "about");
        if (std::string(closeWith) == "OK")
            driver::Click(driver::Child(about, IDOK));
        else
            ::PostMessageA(driver::Child(about, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(driver::WaitForWindowGone(about)) << closeWith;
        EXPECT_TRUE(::IsWindowEnabled(sheet)) << closeWith;
    }
    CancelAndExpectExit(program, sheet);
}

TEST_F(SettingsProgramTest, LinkLabelsAreBlueAndOpenExactlyTheirText)
{
    CUrlRecorder recorder(setupkit::BesideTestProgram("record_url.exe"));
    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    HWND page = MainPage(sheet);
    ::Sleep(300);  // painted

    HWND pageLink = driver::Child(page, IDC_LINK);
    EXPECT_EQ(MIREL_LIST_PREFS_URL, driver::Text(pageLink));
    EXPECT_GT(BluePixels(pageLink), 20);
    for (HWND other : OtherStatics(page))
        EXPECT_EQ(0, BluePixels(other)) << driver::Text(other);
    // Each address is awaited before the next click: the handlers run side by side otherwise.
    ClickLabel(pageLink);
    ASSERT_EQ(1u, recorder.WaitForAddresses(1).size());

    driver::Click(driver::Child(page, IDC_MAIN_ABOUT));
    HWND about = driver::WaitForWindow(program.Pid(), "#32770", kAboutCaption);
    ASSERT_NE(nullptr, about);
    ::Sleep(300);
    HWND aboutLink = driver::Child(about, IDC_LINK);
    EXPECT_EQ(MIREL_HOME_URL, driver::Text(aboutLink));
    EXPECT_GT(BluePixels(aboutLink), 20);
    for (HWND other : OtherStatics(about))
        EXPECT_EQ(0, BluePixels(other)) << driver::Text(other);
    ClickLabel(aboutLink);
    ASSERT_EQ(2u, recorder.WaitForAddresses(2).size());
    // The address is whatever the label says at the moment of the click.
    ::SendMessageA(aboutLink, WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>("http://example.invalid/変更"));
    ClickLabel(aboutLink);
    driver::Click(driver::Child(about, IDOK));
    ASSERT_TRUE(driver::WaitForWindowGone(about));

    EXPECT_EQ((std::vector<std::string>{MIREL_LIST_PREFS_URL, MIREL_HOME_URL,
                                        "http://example.invalid/変更"}),
              recorder.WaitForAddresses(3));
    CancelAndExpectExit(program, sheet);
}

namespace {

// The settings program beside a clean machine: no installation before or after.
class MainPageCommandsTest : public SettingsProgramTest
{
protected:
    void SetUp() override
    {
        SettingsProgramTest::SetUp();
        setupkit::RemoveInstallation();
    }
    void TearDown() override
    {
        setupkit::RemoveInstallation();
        SettingsProgramTest::TearDown();
    }

    // The add-in module where an installation puts it.
    void InstallModule() const
    {
        ::CreateDirectoryA(setupkit::InstallDirectory().c_str(), nullptr);
        ASSERT_TRUE(::CopyFileA((m_folder + "\\Mirel.DLL").c_str(),
                                setupkit::InstalledFile("Mirel.DLL").c_str(), FALSE));
    }

    // Clicks a command button and expects exactly one box, answered with OK.
    static void ExpectOneBox(const driver::Program& program, HWND button, const char* text,
                             driver::Icon icon, const char* screenshot = nullptr)
    {
        driver::Click(button);
        const driver::MessageBoxSeen box =
            driver::WaitForMessageBox(program.Pid(), kSettingsAppName);
        ASSERT_NE(nullptr, box.hWnd) << text;
        EXPECT_EQ(text, box.text);
        EXPECT_EQ(std::vector<int>{IDOK}, box.buttons) << text;
        EXPECT_EQ(icon, box.icon) << text;
        if (screenshot != nullptr)
            driver::SaveScreenshot(box.hWnd, screenshot);
        ASSERT_TRUE(driver::Answer(box, IDOK)) << text;
        EXPECT_EQ(nullptr, driver::WaitForMessageBox(program.Pid(), kSettingsAppName, 1000).hWnd)
            << "a second box after " << text;
    }
};

}  // namespace

TEST_F(MainPageCommandsTest, EnableAndDisableReportOnceWithTheModuleOrWithout)
{
    for (bool installed : {false, true}) {
        if (installed)
            InstallModule();
        driver::Program program = Start();
        HWND sheet = WaitForSheet(program);
        ASSERT_NE(nullptr, sheet);
        HWND page = MainPage(sheet);
        ExpectOneBox(program, driver::Child(page, IDC_MAIN_ENABLE),
                     installed ? kRegisteredText : kRegisterFailedText,
                     installed ? driver::Icon::Information : driver::Icon::Error,
                     installed ? "enable-done" : nullptr);
        if (installed) {
            EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
        }
        ExpectOneBox(program, driver::Child(page, IDC_MAIN_DISABLE),
                     installed ? kUnregisteredText : kUnregisterFailedText,
                     installed ? driver::Icon::Information : driver::Icon::Error);
        EXPECT_TRUE(setupkit::NothingRegistered());
        // The commands act at once: the sheet's Cancel takes nothing back.
        CancelAndExpectExit(program, sheet);
    }
}

TEST_F(MainPageCommandsTest, UninstallDeclinedLeavesEverythingAsItWas)
{
    InstallModule();
    storekit::SeedStore(storekit::DistinctRecord(500));
    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    HWND page = MainPage(sheet);
    ExpectOneBox(program, driver::Child(page, IDC_MAIN_ENABLE), kRegisteredText,
                 driver::Icon::Information);

    driver::Click(driver::Child(page, IDC_MAIN_UNINSTALL));
    const driver::MessageBoxSeen box = driver::WaitForMessageBox(program.Pid(), kSettingsAppName);
    ASSERT_NE(nullptr, box.hWnd);
    EXPECT_EQ(kConfirmUninstallText, box.text);
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), box.buttons);
    EXPECT_EQ(driver::Icon::Question, box.icon);
    ASSERT_TRUE(driver::Answer(box, IDNO));

    EXPECT_TRUE(::IsWindowVisible(sheet));
    EXPECT_TRUE(::IsWindowEnabled(sheet));
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_TRUE(setupkit::Exists(setupkit::InstalledFile("Mirel.DLL")));
    CancelAndExpectExit(program, sheet);
    std::string differs;
    EXPECT_TRUE(
        storekit::SameRecord(storekit::DistinctRecord(500), storekit::ReadStore(), &differs))
        << differs;
}

TEST_F(MainPageCommandsTest, UninstallConfirmedEndsWithMinusOneAndStoresNoEdits)
{
    InstallModule();
    CommonData seeded = storekit::DistinctRecord(600);
    seeded.strHighLight = "元のまま";
    storekit::SeedStore(seeded);
    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    EditEveryControl(sheet);

    driver::Click(driver::Child(MainPage(sheet), IDC_MAIN_UNINSTALL));
    driver::MessageBoxSeen box = driver::WaitForMessageBox(program.Pid(), kSettingsAppName);
    ASSERT_NE(nullptr, box.hWnd);
    EXPECT_EQ(kConfirmUninstallText, box.text);
    ASSERT_TRUE(driver::Answer(box, IDYES));
    box = driver::WaitForMessageBox(program.Pid(), kSettingsAppName);
    ASSERT_NE(nullptr, box.hWnd);
    EXPECT_EQ(kUninstalledText, box.text);
    EXPECT_EQ(driver::Icon::Information, box.icon);
    ASSERT_TRUE(driver::Answer(box, IDOK));
    EXPECT_EQ(0xFFFFFFFFu, program.WaitForExit());

    std::string differs;
    EXPECT_TRUE(storekit::SameRecord(seeded, storekit::ReadStore(), &differs)) << differs;
    EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("Mirel.DLL")));
}
