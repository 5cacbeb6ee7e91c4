// CPPFilter1: the second page of the settings sheet, "フィルター１": seller, payment and trade filters.
#pragma once

#include "CommonData.h"
#include "PropertyPage.h"

class CPPFilter1 : public CPropertyPage
{
public:
    CPPFilter1();

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCPPFilter1; }
    static const CRuntimeClass classCPPFilter1;

    // The start-up routine's record; set before the sheet runs.
    CommonData* m_pData;
};
