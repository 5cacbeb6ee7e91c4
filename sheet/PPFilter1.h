// CPPFilter1: the second page of the settings sheet, "フィルター１": seller, payment and trade
// filters.
#pragma once

#include "framework/PropertyPage.h"
#include "res/resource.h"
#include "support/CommonData.h"

class CPPFilter1 : public CPropertyPage
{
public:
    enum { IDD = IDD_PAGE_FILTER1 };

    CPPFilter1();

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCPPFilter1; }
    static const CRuntimeClass classCPPFilter1;

    // The start-up routine's record; set before the sheet runs.
    CommonData* m_pData = nullptr;

    // One rule that colours a seller's rating: its check box, the number field on its row, and
    // the record fields they carry.
    struct ThresholdPair
    {
        int checkBoxId;
        int numberFieldId;
        int CommonData::*flag;
        int CommonData::*threshold;
    };

protected:
    const CommandEntry* GetCommandTable() const override;

private:
    // The colour controls follow the rating list: with "抽出しない" chosen there is no rating to
    // colour, so the check boxes and number fields are disabled; otherwise the check boxes are
    // enabled and each number field follows its box.
    void UpdateRatingControls();
    // The pair's number field is enabled exactly when its check box is checked.
    void UpdateThresholdEdit(const ThresholdPair& pair);
    // A click on one of the four check boxes.
    void OnThresholdClicked(UINT checkBoxId);
};
