// C: the settings sheet's  page, 
#pragma once

#include "CommonData.h"
#include "PropertyPage.h"

class C : public CPropertyPage
{
public:
    C();

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classC; }
    static const CRuntimeClass classC;

    // The start-up routine's record; set before the sheet runs.
    CommonData* m_pData;
};
