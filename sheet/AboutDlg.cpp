// CAboutDlg: the About box, with the product's version, notice and home-page link.
#include "sheet/AboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg() : CLinkLabelDialog<CDialog>(IDD) {}

void CAboutDlg::OnOK()
{
    CDialog::OnOK();
}

const CommandEntry* CAboutDlg::GetCommandTable() const
{
    static const CommandEntry table[] = {
        {STN_CLICKED, IDC_LINK, &CAboutDlg::OnLinkClicked},
        {0, 0, nullptr},
    };
    return table;
}
