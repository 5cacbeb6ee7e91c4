// C: the settings sheet's  page, 
#include ".h"

#include "MirelSetupPS.h"
#include "resource.h"

const CRuntimeClass C::classC("C", &CPropertyPage::classCPropertyPage,
                                     &CreateObjectOf<C>);

C::C() : CPropertyPage(IDD_PAGE_), m_pData(nullptr) {}

BOOL C::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    return TRUE;
}

void C::OnOK()
{
    CPropertyPage::OnOK();
}
