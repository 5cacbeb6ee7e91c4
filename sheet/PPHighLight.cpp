// CPPHighLight: the fourth page of the settings sheet, "ハイライト": the strings to highlight.
#include "PPHighLight.h"

#include "MirelSetupPS.h"
#include "resource.h"

const CRuntimeClass CPPHighLight::classCPPHighLight("CPPHighLight", &CPropertyPage::classCPropertyPage,
    &CreateObjectOf<CPPHighLight>);

CPPHighLight::CPPHighLight() : CPropertyPage(IDD_PAGE_HIGHLIGHT), m_pData(nullptr) {}

BOOL CPPHighLight::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    return TRUE;
}

void CPPHighLight::OnOK()
{
    CPropertyPage::OnOK();
}
