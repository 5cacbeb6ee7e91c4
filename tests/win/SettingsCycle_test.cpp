// The settings program's start-up routine, run in this process as the program runs it: the
// single-copy mutex, the record loaded through Mirel.DLL, the real sheet with its four pages, the
// record saved on OK. A script plays the user inside the sheet's modal loop; message boxes are
// answered from a script and recorded.
#include "app/MirelSetupApp.h"
#include "res/resource.h"
#include "support/Mirel.h"
#include "tests/common/StoreKit.h"
#include "tests/win/ScriptedApp.h"
#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

const int kMain = 0, kFilter1 = 1, kFilter2 = 2, kHighLight = 3;

LRESULT Send(HWND page, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendDlgItemMessageA(page, id, message, wParam, lParam);
}

// A choice in a drop-down list, with the notification a user's choice sends.
void Choose(HWND page, int id, int index)
{
    Send(page, id, CB_SETCURSEL, index);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}

bool Enabled(HWND page, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE;
}

// The lists of the two filter pages and the fields they hold, as the pages show them.
struct List
{
    int page, id;
    int CommonData::*field;
};
const List kLists[] = {
    {kFilter1, IDC_F1_RATING, &CommonData::nRating},
    {kFilter1, IDC_F1_SELF_INTRO, &CommonData::nSelfIntro},
    {kFilter1, IDC_F1_PAY_EASY, &CommonData::nPayEasy},
    {kFilter1, IDC_F1_PAY_BANK, &CommonData::nPayBank},
    {kFilter1, IDC_F1_PAY_CASH_REG, &CommonData::nPayCashReg},
    {kFilter1, IDC_F1_PAY_COD, &CommonData::nPayCOD},
    {kFilter1, IDC_F1_PAY_NET_BANK, &CommonData::nPayNetBank},
    {kFilter1, IDC_F1_SHIP_COST, &CommonData::nShipCost},
    {kFilter1, IDC_F1_SHIP_TIMING, &CommonData::nShipTiming},
    {kFilter2, IDC_F2_OVERSEAS, &CommonData::nOverseas},
    {kFilter2, IDC_F2_YUPACK, &CommonData::nYuPack},
    {kFilter2, IDC_F2_REGION, &CommonData::nRegion},
    {kFilter2, IDC_F2_BIDDER_LIMIT, &CommonData::nBidderLimit},
    {kFilter2, IDC_F2_AUTO_EXTEND, &CommonData::nAutoExtend},
    {kFilter2, IDC_F2_EARLY_END, &CommonData::nEarlyEnd},
    {kFilter2, IDC_F2_DESIRED_PRICE, &CommonData::nDesiredPrice},
    {kFilter2, IDC_F2_QUESTIONS, &CommonData::nQuestions},
};
// Filter 1's rules: check box, number field, flag, threshold.
struct Rule
{
    int check, edit;
    int CommonData::*flag;
    int CommonData::*threshold;
};
const Rule kRules[] = {
    {IDC_F1_YELLOW_COUNT_CHECK, IDC_F1_YELLOW_COUNT_EDIT, &CommonData::bYellowCount,
     &CommonData::nYellowCount},
    {IDC_F1_YELLOW_RATE_CHECK, IDC_F1_YELLOW_RATE_EDIT, &CommonData::bYellowRate,
     &CommonData::nYellowRate},
    {IDC_F1_RED_COUNT_CHECK, IDC_F1_RED_COUNT_EDIT, &CommonData::bRedCount, &CommonData::nRedCount},
    {IDC_F1_RED_RATE_CHECK, IDC_F1_RED_RATE_EDIT, &CommonData::bRedRate, &CommonData::nRedRate},
};

// A record every page can show: each list index inside its list (the first two are two-way
// lists: 0 or 1), the rules alternately on, the carried-through fields distinct.
CommonData ShowableRecord()
{
    CommonData data = storekit::DistinctRecord(100);
    for (size_t i = 0; i < sizeof(kLists) / sizeof(kLists[0]); ++i)
        data.*kLists[i].field = static_cast<int>(i % (i < 2 ? 2 : 4));
    for (size_t i = 0; i < 4; ++i) {
        data.*kRules[i].flag = i % 2 == 0;
        data.*kRules[i].threshold = i == 1 ? INT_MIN : static_cast<int>(i) * 1000;
    }
    data.nDispPos = data.nDefaultSort = 0;
    data.strHighLight = "表示 \r\nソフト";
    return data;
}

class SettingsCycleTest : public ::testing::Test
{
protected:
    void SetUp() override { storekit::DeleteStore(); }
    void TearDown() override { storekit::DeleteStore(); }

    // Stores seed, runs the program's start-up routine with the user's script, and returns the
    // record the program left in the store.
    CommonData Run(const CommonData& seed, std::function<void(HWND)> script)
    {
        EXPECT_TRUE(SaveCommonData(&seed));
        return Run(std::move(script));
    }
    CommonData Run(std::function<void(HWND)> script)
    {
        RunWithSheet(m_app, std::move(script));
        CommonData stored;
        LoadCommonData(&stored);
        return stored;
    }

    CScripted<CMirelSetupApp> m_app;  // the program's own, with its boxes scripted
};

}  // namespace

TEST_F(SettingsCycleTest, PagesShowTheRecordAndStoreEachControlIntoItsOwnField)
{
    CommonData seed = ShowableRecord();
    seed.nDispPos = 5;     // any value but 0 shows the second button of its pair
    seed.nOverseas = 7;    // outside its list: shown without a selection, stored as -1
    seed.nReserved3 = -1;  // carried through as it is
    CommonData expected = seed;
    // Every list gets another index, the rules are inverted, the numbers typed are read as atol
    // reads them, and the highlight loses the blanks before its line ends.
    const char* const typed[] = {" +42x", "-2147483649", "１２", "0"};
    const int read[] = {42, INT32_MIN, 0, 0};
    const CommonData stored = Run(seed, [&](HWND sheet) {
        HWND page = driver::ShowPage(sheet, kMain);
        EXPECT_EQ(BST_CHECKED, Send(page, IDC_MAIN_DISP_AFTER, BM_GETCHECK));
        Send(page, IDC_MAIN_DISP_BEFORE, BM_CLICK);  // the sort pair stays as it is
        expected.nDispPos = 0;
        for (size_t i = 0; i < sizeof(kLists) / sizeof(kLists[0]); ++i) {
            const List& list = kLists[i];
            page = driver::ShowPage(sheet, list.page);
            const bool outside = list.id == IDC_F2_OVERSEAS;
            EXPECT_EQ(outside ? -1 : seed.*list.field, Send(page, list.id, CB_GETCURSEL))
                << list.id;
            expected.*list.field = outside ? -1 : (seed.*list.field + 1) % (i < 2 ? 2 : 4);
            if (!outside)
                Choose(page, list.id, expected.*list.field);
        }
        page = driver::ShowPage(sheet, kFilter1);
        char item[64] = {};  // the lists come from the template, in code page 932
        Send(page, IDC_F1_SHIP_COST, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ("「落札者が送料を負担」のみ抽出", item);
        Choose(page, IDC_F1_RATING, 1);
        expected.nRating = 1;
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(seed.*kRules[i].flag, Send(page, kRules[i].check, BM_GETCHECK)) << i;
            EXPECT_EQ(std::to_string(seed.*kRules[i].threshold),
                      driver::Text(::GetDlgItem(page, kRules[i].edit)))
                << i;
            Send(page, kRules[i].check, BM_CLICK);
            ::SetDlgItemTextA(page, kRules[i].edit, typed[i]);
            expected.*kRules[i].flag = !(seed.*kRules[i].flag);
            expected.*kRules[i].threshold = read[i];
        }
        page = driver::ShowPage(sheet, kHighLight);
        EXPECT_EQ("表示 \r\nソフト", driver::Text(::GetDlgItem(page, IDC_HL_TEXT)));
        EXPECT_EQ(2048, Send(page, IDC_HL_TEXT, EM_GETLIMITTEXT));
        ::SetDlgItemTextA(page, IDC_HL_TEXT, "a　 \r\n b \r\n\r\nc ");
        expected.strHighLight = "a\r\n b\r\n\r\nc ";
        ::PostMessageA(page, WM_COMMAND, IDOK, 0);  // Enter in a page confirms the whole sheet
    });
    EXPECT_EQ("", storekit::RecordDifference(expected, stored));
}

TEST_F(SettingsCycleTest, OkAtOnceStoresOnlyTheMainPagesPairsAndCancelNothing)
{
    CommonData seed = ShowableRecord();
    seed.nDefaultSort = 3;
    seed.nOverseas = 7;
    CommonData expected = seed;
    expected.nDefaultSort = 1;  // pages never shown keep even what they could not show
    EXPECT_EQ("", storekit::RecordDifference(expected, Run(seed, [](HWND sheet) {
                                                 driver::PressSheetButton(sheet, PSBTN_OK);
                                             })));

    // Edits on every page, then Cancel, or the window closed: nothing is stored, so a store that
    // would refuse the record says nothing.
    storekit::MakeStoreReadOnly();
    for (bool close : {false, true}) {
        const CommonData stored = Run([&](HWND sheet) {
            Send(driver::ShowPage(sheet, kMain), IDC_MAIN_DISP_AFTER, BM_CLICK);
            Choose(driver::ShowPage(sheet, kFilter1), IDC_F1_PAY_BANK, 3);
            Choose(driver::ShowPage(sheet, kFilter2), IDC_F2_REGION, 3);
            ::SetDlgItemTextA(driver::ShowPage(sheet, kHighLight), IDC_HL_TEXT, "x");
            if (close)
                ::PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                driver::PressSheetButton(sheet, PSBTN_CANCEL);
        });
        EXPECT_EQ("", storekit::RecordDifference(expected, stored)) << close;
    }
    EXPECT_TRUE(m_app.shown.empty());

    // OK: the store refuses the record, and the user's edits are not lost without a word.
    Run([](HWND sheet) { driver::PressSheetButton(sheet, PSBTN_OK); });
    ASSERT_EQ(1u, m_app.shown.size());
    EXPECT_EQ(kStoreFailedText, m_app.shown[0].text);
    EXPECT_EQ(UINT(MB_OK | MB_ICONERROR), m_app.shown[0].type);
}

TEST_F(SettingsCycleTest, RatingListAndCheckBoxesEnableTheColourControls)
{
    CommonData seed = ShowableRecord();  // the yellow-count and red-count rules are on
    for (int rating : {0, 1, -1}) {
        seed.nRating = rating;
        Run(seed, [&](HWND sheet) {
            HWND page = driver::ShowPage(sheet, kFilter1);
            // At opening "抽出しない" disables the boxes, and each field follows its box.
            for (const Rule& rule : kRules) {
                EXPECT_EQ(rating != 0, Enabled(page, rule.check)) << rating;
                EXPECT_EQ(seed.*rule.flag, Enabled(page, rule.edit)) << rating;
            }
            // Chosen, "抽出しない" disables all eight; anything else enables the boxes and lets
            // each field follow its box.
            Choose(page, IDC_F1_RATING, 1 - (rating == 1));
            for (const Rule& rule : kRules)
                EXPECT_EQ(rating != 1 && seed.*rule.flag, Enabled(page, rule.edit)) << rating;
            Choose(page, IDC_F1_RATING, 1);
            Send(page, kRules[0].check, BM_CLICK);  // unchecked: its field goes at once
            EXPECT_FALSE(Enabled(page, kRules[0].edit));
            driver::PressSheetButton(sheet, PSBTN_CANCEL);
        });
    }
}
