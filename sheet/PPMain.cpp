// CPPMain: the first page of the settings sheet, "メイン": display position, sort order, add-in commands.
#include "PPMain.h"

#include "MirelSetupPS.h"
#include "resource.h"

const CRuntimeClass CPPMain::classCPPMain("CPPMain", &CPropertyPage::classCPropertyPage,
    &CreateObjectOf<CPPMain>);

CPPMain::CPPMain() : CPropertyPage(IDD_PAGE_MAIN), m_pData(nullptr) {}

BOOL CPPMain::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    return TRUE;
}

void CPPMain::OnOK()
{
    CPropertyPage::OnOK();
}
