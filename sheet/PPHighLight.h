// CPPHighLight: the fourth page of the settings sheet, "ハイライト": the strings to highlight.
#pragma once

#include "framework/PropertyPage.h"
#include "res/resource.h"
#include "support/CommonData.h"

class CPPHighLight : public CPropertyPage
{
public:
    enum { IDD = IDD_PAGE_HIGHLIGHT };

    CPPHighLight();

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCPPHighLight; }
    static const CRuntimeClass classCPPHighLight;

    // The start-up routine's record; set before the sheet runs.
    CommonData* m_pData = nullptr;
};
