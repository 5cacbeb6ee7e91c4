// CPPMain: the first page of the settings sheet, "メイン": display position, sort order, add-in
// commands.
#pragma once

#include "framework/PropertyPage.h"
#include "res/resource.h"
#include "sheet/LinkLabelDialog.h"
#include "support/CommonData.h"

class CPPMain : public CLinkLabelDialog<CPropertyPage>
{
public:
    enum { IDD = IDD_PAGE_MAIN };

    CPPMain();

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCPPMain; }
    static const CRuntimeClass classCPPMain;

    // The start-up routine's record; set before the sheet runs.
    CommonData* m_pData = nullptr;

protected:
    const CommandEntry* GetCommandTable() const override;

private:
    // The commands act at once, whatever becomes of the sheet afterwards.
    void OnAbout();
    void OnEnable();
    void OnDisable();
    void OnUninstall();
};
