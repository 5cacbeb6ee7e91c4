// The page "フィルター１" in the real program: what it shows, what it stores, and how the rating
// list and the check boxes enable the colour controls.
#include "PageTest.h"
#include "res/resource.h"

#include <stdint.h>

namespace {

struct Pair
{
    int check;
    int edit;
};
// Yellow by count, yellow by rate, red by count, red by rate.
const Pair kPairs[] = {
    {IDC_F1_YELLOW_COUNT_CHECK, IDC_F1_YELLOW_COUNT_EDIT},
    {IDC_F1_YELLOW_RATE_CHECK, IDC_F1_YELLOW_RATE_EDIT},
    {IDC_F1_RED_COUNT_CHECK, IDC_F1_RED_COUNT_EDIT},
    {IDC_F1_RED_RATE_CHECK, IDC_F1_RED_RATE_EDIT},
};

struct List
{
    int id;
    int CommonData::*field;
    const std::vector<std::string>* items;
};
const List kLists[] = {
    {IDC_F1_RATING, &CommonData::nRating, &kTwoWayItems},
    {IDC_F1_SELF_INTRO, &CommonData::nSelfIntro, &kTwoWayItems},
    {IDC_F1_PAY_EASY, &CommonData::nPayEasy, &kFourWayItems},
    {IDC_F1_PAY_BANK, &CommonData::nPayBank, &kFourWayItems},
    {IDC_F1_PAY_CASH_REG, &CommonData::nPayCashReg, &kFourWayItems},
    {IDC_F1_PAY_COD, &CommonData::nPayCOD, &kFourWayItems},
    {IDC_F1_PAY_NET_BANK, &CommonData::nPayNetBank, &kFourWayItems},
    {IDC_F1_SHIP_COST, &CommonData::nShipCost, &kShipCostItems},
    {IDC_F1_SHIP_TIMING, &CommonData::nShipTiming, &kDispatchItems},
};

void SetFlags(CommonData& data, int yellowCount, int yellowRate, int redCount, int redRate)
{
    data.bYellowCount = yellowCount;
    data.bYellowRate = yellowRate;
    data.bRedCount = redCount;
    data.bRedRate = redRate;
}

}  // namespace

TEST_F(PageTest, Filter1ShowsTheRecordAndStoresItBackUnchanged)
{
    const CommonData seeded = LoadableRecord();
    ASSERT_TRUE(Open(seeded, kFilter1Page));

    for (const List& list : kLists) {
        EXPECT_EQ(*list.items, driver::ComboItems(Control(list.id))) << list.id;
        EXPECT_EQ(seeded.*list.field, driver::ComboSelection(Control(list.id))) << list.id;
    }
    EXPECT_EQ(1, driver::CheckState(Control(IDC_F1_YELLOW_COUNT_CHECK)));
    EXPECT_EQ(0, driver::CheckState(Control(IDC_F1_YELLOW_RATE_CHECK)));
    EXPECT_EQ(0, driver::CheckState(Control(IDC_F1_RED_COUNT_CHECK)));
    EXPECT_EQ(1, driver::CheckState(Control(IDC_F1_RED_RATE_CHECK)));
    EXPECT_EQ("5", driver::Text(Control(IDC_F1_YELLOW_COUNT_EDIT)));
    EXPECT_EQ("-1", driver::Text(Control(IDC_F1_YELLOW_RATE_EDIT)));
    EXPECT_EQ("0", driver::Text(Control(IDC_F1_RED_COUNT_EDIT)));
    EXPECT_EQ("2147483647", driver::Text(Control(IDC_F1_RED_RATE_EDIT)));
    driver::SaveScreenshot(m_sheet, "page-filter1");

    ExpectStored(seeded, ConfirmAndReadStore(seeded), "untouched page");
}

TEST_F(PageTest, Filter1StoresEveryEditedFieldAndNoOther)
{
    const CommonData seeded = LoadableRecord();
    ASSERT_TRUE(Open(seeded, kFilter1Page));

    // The boxes first: choosing "抽出しない" below disables them.
    CommonData expected = seeded;
    for (const Pair& pair : kPairs)
        ClickCheckBox(pair.check);
    SetFlags(expected, 0, 1, 1, 0);
    driver::TypeText(Control(IDC_F1_YELLOW_COUNT_EDIT), L"12abc");
    driver::TypeText(Control(IDC_F1_YELLOW_RATE_EDIT), L"\u300012");  // ideographic space first
    driver::TypeText(Control(IDC_F1_RED_COUNT_EDIT), L"-99999999999");
    driver::TypeText(Control(IDC_F1_RED_RATE_EDIT), L"  -42");
    expected.nYellowCount = 12;
    expected.nYellowRate = 0;
    expected.nRedCount = INT32_MIN;
    expected.nRedRate = -42;
    for (const List& list : kLists) {
        const int next = (seeded.*list.field + 1) % static_cast<int>(list.items->size());
        driver::ChooseComboItem(Control(list.id), next);
        expected.*list.field = next;
    }

    ExpectStored(expected, ConfirmAndReadStore(seeded), "edited page");
}

TEST_F(PageTest, Filter1RatingListAndCheckBoxesEnableTheColourControls)
{
    const int kNoSelection = -1;
    const struct
    {
        const char* situation;
        int rating;                // as loaded
        int flags[4];              // as loaded: yellow count, yellow rate, red count, red rate
        std::vector<int> choices;  // rating items chosen after opening
        bool checkBoxesEnabled;
        bool fieldsEnabled[4];
        int storedRating;
    } cases[] = {
        {"抽出しない at opening", 0, {1, 0, 0, 0}, {}, false, {true, false, false, false}, 0},
        {"常に抽出する at opening", 1, {1, 0, 0, 1}, {}, true, {true, false, false, true}, 1},
        {"no selection at opening",
         5,
         {0, 1, 1, 0},
         {},
         true,
         {false, true, true, false},
         kNoSelection},
        {"抽出しない chosen", 1, {1, 1, 1, 1}, {0}, false, {false, false, false, false}, 0},
        {"常に抽出する, then 抽出しない chosen",
         0,
         {1, 0, 0, 0},
         {1, 0},
         false,
         {false, false, false, false},
         0},
        {"常に抽出する chosen", 0, {0, 1, 0, 1}, {1}, true, {false, true, false, true}, 1},
    };
    for (const auto& c : cases) {
        CommonData seeded = LoadableRecord();
        seeded.nRating = c.rating;
        SetFlags(seeded, c.flags[0], c.flags[1], c.flags[2], c.flags[3]);
        ASSERT_TRUE(Open(seeded, kFilter1Page)) << c.situation;
        for (int choice : c.choices)
            driver::ChooseComboItem(Control(IDC_F1_RATING), choice);

        EXPECT_EQ(c.storedRating, driver::ComboSelection(Control(IDC_F1_RATING))) << c.situation;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(c.flags[i], driver::CheckState(Control(kPairs[i].check))) << c.situation;
            EXPECT_EQ(c.checkBoxesEnabled, IsEnabled(kPairs[i].check))
                << c.situation << ": check box " << kPairs[i].check;
            EXPECT_EQ(c.fieldsEnabled[i], IsEnabled(kPairs[i].edit))
                << c.situation << ": number field " << kPairs[i].edit;
        }

        // Disabled controls keep their values, and OK stores them.
        CommonData expected = seeded;
        expected.nRating = c.storedRating;
        ExpectStored(expected, ConfirmAndReadStore(seeded), c.situation);
    }
}

TEST_F(PageTest, Filter1UncheckingABoxDisablesItsFieldAtOnceAndKeepsTheNumber)
{
    CommonData seeded = LoadableRecord();
    seeded.nRating = 1;
    seeded.bYellowRate = 1;
    seeded.nYellowRate = 30;
    ASSERT_TRUE(Open(seeded, kFilter1Page));
    ASSERT_TRUE(IsEnabled(IDC_F1_YELLOW_RATE_EDIT));

    ClickCheckBox(IDC_F1_YELLOW_RATE_CHECK);
    EXPECT_FALSE(IsEnabled(IDC_F1_YELLOW_RATE_EDIT));
    EXPECT_EQ("30", driver::Text(Control(IDC_F1_YELLOW_RATE_EDIT)));
    // The other pairs are left as they were.
    EXPECT_TRUE(IsEnabled(IDC_F1_YELLOW_COUNT_EDIT));
    EXPECT_FALSE(IsEnabled(IDC_F1_RED_COUNT_EDIT));
    EXPECT_TRUE(IsEnabled(IDC_F1_RED_RATE_EDIT));

    CommonData expected = seeded;
    expected.bYellowRate = 0;
    ExpectStored(expected, ConfirmAndReadStore(seeded), "after unchecking");
}
