// CMirelSetupPS: the settings sheet.
#include "MirelSetupPS.h"

const CRuntimeClass CMirelSetupPS::classCMirelSetupPS("CMirelSetupPS",
                                                      &CPropertySheet::classCPropertySheet,
                                                      nullptr);

CMirelSetupPS::CMirelSetupPS(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{
}

BOOL CMirelSetupPS::OnInitDialog()
{
    return CPropertySheet::OnInitDialog();
}
