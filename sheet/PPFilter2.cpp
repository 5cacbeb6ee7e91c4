// CPPFilter2: the third page of the settings sheet, "フィルター２": the remaining item filters.
#include "sheet/PPFilter2.h"

#include "res/resource.h"
#include "sheet/ListField.h"

namespace {

// The page's eight lists and the only fields it writes, in the order it moves them.
const ListField kItemLists[] = {
    {IDC_F2_OVERSEAS, &CommonData::nOverseas},
    {IDC_F2_YUPACK, &CommonData::nYuPack},
    {IDC_F2_REGION, &CommonData::nRegion},
    {IDC_F2_BIDDER_LIMIT, &CommonData::nBidderLimit},
    {IDC_F2_AUTO_EXTEND, &CommonData::nAutoExtend},
    {IDC_F2_EARLY_END, &CommonData::nEarlyEnd},
    {IDC_F2_DESIRED_PRICE, &CommonData::nDesiredPrice},
    {IDC_F2_QUESTIONS, &CommonData::nQuestions},
};

}  // namespace

const CRuntimeClass CPPFilter2::classCPPFilter2("CPPFilter2", &CreateObjectOf<CPPFilter2>);

CPPFilter2::CPPFilter2() : CPropertyPage(IDD) {}

BOOL CPPFilter2::OnInitDialog()
{
    CPropertyPage::OnInitDialog();  // fills the lists before any selection is set
    ShowSelections(this, kItemLists, *m_pData);
    return TRUE;
}

void CPPFilter2::OnOK()
{
    StoreSelections(this, kItemLists, *m_pData);
    CPropertyPage::OnOK();
}
