// CPPFilter2: the third page of the settings sheet, "フィルター２": the remaining item filters.
#include "PPFilter2.h"

#include "MirelSetupPS.h"
#include "resource.h"

const CRuntimeClass CPPFilter2::classCPPFilter2("CPPFilter2", &CPropertyPage::classCPropertyPage,
    &CreateObjectOf<CPPFilter2>);

CPPFilter2::CPPFilter2() : CPropertyPage(IDD_PAGE_FILTER2), m_pData(nullptr) {}

BOOL CPPFilter2::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    return TRUE;
}

void CPPFilter2::OnOK()
{
    CPropertyPage::OnOK();
}
