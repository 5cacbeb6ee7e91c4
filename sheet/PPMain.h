// CPPMain: the first page of the settings sheet, "メイン": display position, sort order, add-in commands.
#pragma once

#include "CommonData.h"
#include "PropertyPage.h"

class CPPMain : public CPropertyPage
{
public:
    CPPMain();

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCPPMain; }
    static const CRuntimeClass classCPPMain;

    // The start-up routine's record; set before the sheet runs.
    CommonData* m_pData;
};
