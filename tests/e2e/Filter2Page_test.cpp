// The page "フィルター２" in the real program: eight lists, and exactly their eight fields stored.
#include "PageTest.h"
#include "res/resource.h"

namespace {

struct List
{
    int id;
    int CommonData::*field;
};
const List kLists[] = {
    {IDC_F2_OVERSEAS, &CommonData::nOverseas},
    {IDC_F2_YUPACK, &CommonData::nYuPack},
    {IDC_F2_REGION, &CommonData::nRegion},
    {IDC_F2_BIDDER_LIMIT, &CommonData::nBidderLimit},
    {IDC_F2_AUTO_EXTEND, &CommonData::nAutoExtend},
    {IDC_F2_EARLY_END, &CommonData::nEarlyEnd},
    {IDC_F2_DESIRED_PRICE, &CommonData::nDesiredPrice},
    {IDC_F2_QUESTIONS, &CommonData::nQuestions},
};

const std::vector<std::string>& ItemsOf(int id)
{
    return id == IDC_F2_QUESTIONS ? kQuestionItems : kFourWayItems;
}

}  // namespace

TEST_F(PageTest, Filter2ShowsTheRecordAndStoresItBackUnchanged)
{
    const CommonData seeded = LoadableRecord();
    ASSERT_TRUE(Open(seeded, kFilter2Page));

    for (const List& list : kLists) {
        EXPECT_EQ(ItemsOf(list.id), driver::ComboItems(Control(list.id))) << list.id;
        EXPECT_EQ(seeded.*list.field, driver::ComboSelection(Control(list.id))) << list.id;
    }
    EXPECT_EQ("１件以上あるときのみ抽出", driver::Text(Control(IDC_F2_QUESTIONS)));
    EXPECT_EQ("未設定時のみ抽出", driver::Text(Control(IDC_F2_REGION)));
    driver::SaveScreenshot(m_sheet, "page-filter2");

    ExpectStored(seeded, ConfirmAndReadStore(seeded), "untouched page");
}

TEST_F(PageTest, Filter2StoresExactlyItsEightFields)
{
    const CommonData seeded = LoadableRecord();
    ASSERT_TRUE(Open(seeded, kFilter2Page));

    CommonData expected = seeded;
    for (const List& list : kLists) {
        driver::ChooseComboItem(Control(list.id), 1);  // "常に抽出する"
        expected.*list.field = 1;
    }
    ExpectStored(expected, ConfirmAndReadStore(seeded), "every list set to 常に抽出する");
}

TEST_F(PageTest, Filter2IndexOutsideAListOpensEmptyAndStoresMinusOneOnlyOnceShown)
{
    CommonData seeded = LoadableRecord();
    seeded.nEarlyEnd = 9;

    ASSERT_TRUE(Open(seeded, kFilter2Page));
    EXPECT_EQ(-1, driver::ComboSelection(Control(IDC_F2_EARLY_END)));
    EXPECT_EQ("", driver::Text(Control(IDC_F2_EARLY_END)));
    CommonData expected = seeded;
    expected.nEarlyEnd = -1;
    ExpectStored(expected, ConfirmAndReadStore(seeded), "page shown");

    ASSERT_TRUE(Open(seeded, -1));
    ExpectStored(seeded, ConfirmAndReadStore(seeded), "page never shown");
}
