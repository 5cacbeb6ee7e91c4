// CMirelSetupPS: the settings sheet.
#include "sheet/MirelSetupPS.h"

const CRuntimeClass CMirelSetupPS::classCMirelSetupPS("CMirelSetupPS", nullptr);

CMirelSetupPS::CMirelSetupPS(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{}

BOOL CMirelSetupPS::OnInitDialog()
{
    return CPropertySheet::OnInitDialog();
}
