// CPPMain: the first page of the settings sheet, "メイン": display position, sort order, add-in
// commands.
#include "sheet/PPMain.h"

#include "res/resource.h"
#include "setup/AddInRegistration.h"
#include "setup/Uninstaller.h"
#include "sheet/AboutDlg.h"
#include "sheet/ItemAccess.h"

const CRuntimeClass CPPMain::classCPPMain("CPPMain", &CreateObjectOf<CPPMain>);

CPPMain::CPPMain() : CLinkLabelDialog<CPropertyPage>(IDD) {}

const CommandEntry* CPPMain::GetCommandTable() const
{
    static const CommandEntry table[] = {
        {BN_CLICKED, IDC_MAIN_ABOUT, &CPPMain::OnAbout},
        {BN_CLICKED, IDC_MAIN_ENABLE, &CPPMain::OnEnable},
        {BN_CLICKED, IDC_MAIN_DISABLE, &CPPMain::OnDisable},
        {BN_CLICKED, IDC_MAIN_UNINSTALL, &CPPMain::OnUninstall},
        {STN_CLICKED, IDC_LINK, &CPPMain::OnLinkClicked},
        {0, 0, nullptr},
    };
    return table;
}

BOOL CPPMain::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // Any value but 0 shows the second button of a pair; OK then stores it as 1.
    SetItemCheck(this, IDC_MAIN_DISP_BEFORE, m_pData->nDispPos == 0);
    SetItemCheck(this, IDC_MAIN_DISP_AFTER, m_pData->nDispPos != 0);
    SetItemCheck(this, IDC_MAIN_SORT_STANDARD, m_pData->nDefaultSort == 0);
    SetItemCheck(this, IDC_MAIN_SORT_REMAINING, m_pData->nDefaultSort != 0);
    return TRUE;
}

void CPPMain::OnOK()
{
    // Only the first button of each pair is read; the second follows from it.
    m_pData->nDispPos = GetItemCheck(this, IDC_MAIN_DISP_BEFORE) == BST_CHECKED ? 0 : 1;
    m_pData->nDefaultSort = GetItemCheck(this, IDC_MAIN_SORT_STANDARD) == BST_CHECKED ? 0 : 1;
    CPropertyPage::OnOK();
}

void CPPMain::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CPPMain::OnEnable()
{
    RegisterAddIn(TRUE);
}

void CPPMain::OnDisable()
{
    UnregisterAddIn(TRUE);
}

void CPPMain::OnUninstall()
{
    Uninstall();
}
