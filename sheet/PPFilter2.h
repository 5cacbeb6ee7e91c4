// CPPFilter2: the third page of the settings sheet, "フィルター２": the remaining item filters.
#pragma once

#include "framework/PropertyPage.h"
#include "res/resource.h"
#include "support/CommonData.h"

class CPPFilter2 : public CPropertyPage
{
public:
    enum { IDD = IDD_PAGE_FILTER2 };

    CPPFilter2();

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCPPFilter2; }
    static const CRuntimeClass classCPPFilter2;

    // The start-up routine's record; set before the sheet runs.
    CommonData* m_pData = nullptr;
};
