// The Main page and the About box end to end: the two radio pairs, OK writing back only their
// two fields, the About box over the disabled sheet, and both link labels.
#include "SettingsProgram.h"
#include "StoreKit.h"
#include "UrlHandler.h"
#include "resource.h"

#include <commctrl.h>

namespace {

const char kAboutCaption[] = "ミレルのﾊﾞｰｼﾞｮﾝ情報";

HWND MainPage(HWND sheet)
{
    driver::SelectPage(sheet, 0);
    return driver::CurrentPage(sheet);
}

std::string TestProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
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

TEST_F(SettingsProgramTest, MainPageShowsItsPairsAndOkRewritesOnlyTheirFields)
{
    const struct { int dispPos, defaultSort; bool after, remaining; int storedPos, storedSort; }
    cases[] = {
        { 0, 0, false, false, 0, 0 },
        { 1, 1, true, true, 1, 1 },
        { 5, -3, true, true, 1, 1 },  // any value but 0 shows the second button, stored as 1
    };
    for (const auto& c : cases) {
        CommonData seeded = storekit::DistinctRecord(300);
        seeded.nDispPos = c.dispPos;
        seeded.nDefaultSort = c.defaultSort;
        seeded.strHighLight = "残す";
        storekit::SeedStore(seeded);

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
        for (int id : { IDC_MAIN_DISP_BEFORE, IDC_MAIN_DISP_AFTER, IDC_MAIN_SORT_STANDARD,
                        IDC_MAIN_SORT_REMAINING })
            s.push_back(driver::CheckState(driver::Child(page, id)));
        return s;
    };
    EXPECT_EQ((std::vector<int>{ 1, 0, 1, 0 }), states());
    ::SendMessageA(driver::Child(page, IDC_MAIN_DISP_AFTER), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<int>{ 0, 1, 1, 0 }), states());
    ::SendMessageA(driver::Child(page, IDC_MAIN_SORT_REMAINING), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<int>{ 0, 1, 0, 1 }), states());
    ::SendMessageA(driver::Child(page, IDC_MAIN_DISP_BEFORE), BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<int>{ 1, 0, 0, 1 }), states());
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
    for (const char* closeWith : { "OK", "Esc" }) {
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
    CUrlRecorder recorder(TestProgramFolder() + "\\record_url.exe");
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
    ::SendMessageA(aboutLink, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("http://example.invalid/変更"));
    ClickLabel(aboutLink);
    driver::Click(driver::Child(about, IDOK));
    ASSERT_TRUE(driver::WaitForWindowGone(about));

    EXPECT_EQ((std::vector<std::string>{ MIREL_LIST_PREFS_URL, MIREL_HOME_URL,
                                         "http://example.invalid/変更" }),
              recorder.WaitForAddresses(3));
    CancelAndExpectExit(program, sheet);
}
