// Test fixture for one settings page: seeds the store, opens the page in the real program,
// confirms the sheet and reads back what the program stored.
#include "PageTest.h"

#include "tests/common/StoreKit.h"

#include <commctrl.h>

const std::vector<std::string> kTwoWayItems = {"抽出しない", "常に抽出する"};
const std::vector<std::string> kFourWayItems = {"抽出しない", "常に抽出する", "設定時のみ抽出",
                                                "未設定時のみ抽出"};
const std::vector<std::string> kShipCostItems = {"抽出しない", "常に抽出する",
                                                 "「落札者が送料を負担」のみ抽出",
                                                 "「出品者が送料を負担」のみ抽出"};
const std::vector<std::string> kDispatchItems = {"抽出しない", "常に抽出する",
                                                 "「支払い終了時に発送」のみ抽出",
                                                 "「オークション終了時に発送」のみ抽出"};
const std::vector<std::string> kQuestionItems = {
    "抽出しない", "常に抽出する", "１件以上あるときのみ抽出", "１件もないときのみ抽出"};

CommonData PageTest::LoadableRecord()
{
    CommonData data = storekit::DistinctRecord(100);
    data.nDispPos = 1;
    data.nDefaultSort = 0;
    data.nRating = 1;
    data.nSelfIntro = 0;
    data.bYellowCount = 1;
    data.bYellowRate = 0;
    data.bRedCount = 0;
    data.bRedRate = 1;
    data.nYellowCount = 5;
    data.nYellowRate = -1;
    data.nRedCount = 0;
    data.nRedRate = 2147483647;
    data.nPayEasy = 0;
    data.nPayBank = 1;
    data.nPayCashReg = 2;
    data.nPayCOD = 3;
    data.nPayNetBank = 1;
    data.nShipCost = 2;
    data.nShipTiming = 3;
    data.nOverseas = 0;
    data.nYuPack = 1;
    data.nRegion = 3;
    data.nBidderLimit = 2;
    data.nAutoExtend = 1;
    data.nEarlyEnd = 0;
    data.nDesiredPrice = 3;
    data.nQuestions = 2;
    data.strHighLight = "表示\r\nソフト";
    return data;
}

bool PageTest::Open(const CommonData& seed, int pageIndex)
{
    storekit::SeedStore(seed);
    m_program.reset(new driver::Program(Start()));
    m_sheet = WaitForSheet(*m_program);
    if (m_sheet == nullptr)
        return false;
    if (pageIndex >= 0)
        driver::SelectPage(m_sheet, pageIndex);
    m_page = driver::CurrentPage(m_sheet);
    return m_page != nullptr;
}

CommonData PageTest::ConfirmAndReadStore(const CommonData& start)
{
    driver::PressSheetButton(m_sheet, PSBTN_OK);
    EXPECT_EQ(0u, m_program->WaitForExit());
    return storekit::ReadStore(start);
}

HWND PageTest::Control(int controlId) const
{
    return driver::Child(m_page, controlId);
}

bool PageTest::IsEnabled(int controlId) const
{
    return ::IsWindowEnabled(Control(controlId)) != FALSE;
}

void PageTest::ClickCheckBox(int controlId) const
{
    ::SendMessageA(Control(controlId), BM_CLICK, 0, 0);
}

void ExpectStored(const CommonData& expected, const CommonData& stored, const std::string& what)
{
    std::string differs;
    EXPECT_TRUE(storekit::SameRecord(expected, stored, &differs))
        << what << ": " << differs << " differs";
}
