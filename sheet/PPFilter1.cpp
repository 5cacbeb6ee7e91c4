// CPPFilter1: the second page of the settings sheet, "フィルター１": seller, payment and trade
// filters.
#include "sheet/PPFilter1.h"

#include "res/resource.h"
#include "sheet/ItemAccess.h"
#include "sheet/ListField.h"
#include "sheet/NumberField.h"
#include "support/Mirel.h"

namespace {

// Rating and self-introduction: what the page shows about the seller.
const ListField kSellerLists[] = {
    {IDC_F1_RATING, &CommonData::nRating},
    {IDC_F1_SELF_INTRO, &CommonData::nSelfIntro},
};

// The order is the order in which the page moves and updates them.
const CPPFilter1::ThresholdPair kThresholdPairs[] = {
    {IDC_F1_YELLOW_COUNT_CHECK, IDC_F1_YELLOW_COUNT_EDIT, &CommonData::bYellowCount,
     &CommonData::nYellowCount},
    {IDC_F1_YELLOW_RATE_CHECK, IDC_F1_YELLOW_RATE_EDIT, &CommonData::bYellowRate,
     &CommonData::nYellowRate},
    {IDC_F1_RED_COUNT_CHECK, IDC_F1_RED_COUNT_EDIT, &CommonData::bRedCount, &CommonData::nRedCount},
    {IDC_F1_RED_RATE_CHECK, IDC_F1_RED_RATE_EDIT, &CommonData::bRedRate, &CommonData::nRedRate},
};

// Payment methods, then shipping cost and dispatch timing.
// One list a row, as the page shows them.
// clang-format off
const ListField kTradeLists[] = {
    {IDC_F1_PAY_EASY, &CommonData::nPayEasy},
    {IDC_F1_PAY_BANK, &CommonData::nPayBank},
    {IDC_F1_PAY_CASH_REG, &CommonData::nPayCashReg},
    {IDC_F1_PAY_COD, &CommonData::nPayCOD},
    {IDC_F1_PAY_NET_BANK, &CommonData::nPayNetBank},
    {IDC_F1_SHIP_COST, &CommonData::nShipCost},
    {IDC_F1_SHIP_TIMING, &CommonData::nShipTiming},
};
// clang-format on

// The rating list's first item, "抽出しない".
const int kRatingNotExtracted = 0;

}  // namespace

const CRuntimeClass CPPFilter1::classCPPFilter1("CPPFilter1", &CreateObjectOf<CPPFilter1>);

CPPFilter1::CPPFilter1() : CPropertyPage(IDD) {}

const CommandEntry* CPPFilter1::GetCommandTable() const
{
    static const CommandEntry table[] = {
        {BN_CLICKED, IDC_F1_RED_COUNT_CHECK, &CPPFilter1::OnThresholdClicked},
        {BN_CLICKED, IDC_F1_YELLOW_COUNT_CHECK, &CPPFilter1::OnThresholdClicked},
        {BN_CLICKED, IDC_F1_RED_RATE_CHECK, &CPPFilter1::OnThresholdClicked},
        {BN_CLICKED, IDC_F1_YELLOW_RATE_CHECK, &CPPFilter1::OnThresholdClicked},
        {CBN_SELCHANGE, IDC_F1_RATING, &CPPFilter1::UpdateRatingControls},
        {0, 0, nullptr},
    };
    return table;
}

BOOL CPPFilter1::OnInitDialog()
{
    CPropertyPage::OnInitDialog();  // fills the lists before any selection is set

    ShowSelections(this, kSellerLists, *m_pData);
    // A stored flag goes to its box as it is; a value other than 0 or 1 is the box's to show.
    for (const ThresholdPair& pair : kThresholdPairs)
        SetItemCheck(this, pair.checkBoxId, m_pData->*pair.flag);
    for (const ThresholdPair& pair : kThresholdPairs)
        SetItemText(this, pair.numberFieldId, StrFormat("%d", m_pData->*pair.threshold));
    ShowSelections(this, kTradeLists, *m_pData);

    // Setting a selection sends no change notification, so the enabling states are set here.
    // The number fields follow their boxes afterwards even when the rating list has just
    // disabled them: at opening, "抽出しない" disables only the check boxes.
    UpdateRatingControls();
    for (const ThresholdPair& pair : kThresholdPairs)
        UpdateThresholdEdit(pair);
    return TRUE;
}

void CPPFilter1::OnOK()
{
    // Disabled controls are read too: they keep what was loaded or typed.
    StoreSelections(this, kSellerLists, *m_pData);
    for (const ThresholdPair& pair : kThresholdPairs)
        m_pData->*pair.flag = GetItemCheck(this, pair.checkBoxId);
    for (const ThresholdPair& pair : kThresholdPairs)
        m_pData->*pair.threshold = ReadNumberField(GetItemText(this, pair.numberFieldId));
    StoreSelections(this, kTradeLists, *m_pData);
    CPropertyPage::OnOK();
}

void CPPFilter1::UpdateRatingControls()
{
    const LRESULT rating = ::SendDlgItemMessageA(m_hWnd, IDC_F1_RATING, CB_GETCURSEL, 0, 0);
    if (rating == kRatingNotExtracted) {
        for (const ThresholdPair& pair : kThresholdPairs)
            ::EnableWindow(GetDlgItem(pair.checkBoxId), FALSE);
        for (const ThresholdPair& pair : kThresholdPairs)
            ::EnableWindow(GetDlgItem(pair.numberFieldId), FALSE);
        return;
    }
    // "常に抽出する", and also no selection at all (a stored value outside the list).
    for (const ThresholdPair& pair : kThresholdPairs)
        ::EnableWindow(GetDlgItem(pair.checkBoxId), TRUE);
    for (const ThresholdPair& pair : kThresholdPairs)
        UpdateThresholdEdit(pair);
}

void CPPFilter1::UpdateThresholdEdit(const ThresholdPair& pair)
{
    const LRESULT checked = ::SendDlgItemMessageA(m_hWnd, pair.checkBoxId, BM_GETCHECK, 0, 0);
    ::EnableWindow(GetDlgItem(pair.numberFieldId), checked != BST_UNCHECKED);
}

void CPPFilter1::OnThresholdClicked(UINT checkBoxId)
{
    for (const ThresholdPair& pair : kThresholdPairs) {
        if (pair.checkBoxId == static_cast<int>(checkBoxId))
            UpdateThresholdEdit(pair);
    }
}
