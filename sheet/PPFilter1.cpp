// CPPFilter1: the second page of the settings sheet, "フィルター１": seller, payment and trade filters.
#include "PPFilter1.h"

#include "MirelSetupPS.h"
#include "resource.h"

const CRuntimeClass CPPFilter1::classCPPFilter1("CPPFilter1", &CPropertyPage::classCPropertyPage,
    &CreateObjectOf<CPPFilter1>);

CPPFilter1::CPPFilter1() : CPropertyPage(IDD_PAGE_FILTER1), m_pData(nullptr) {}

BOOL CPPFilter1::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    return TRUE;
}

void CPPFilter1::OnOK()
{
    CPropertyPage::OnOK();
}
