// The settings sheet's control operations move values through real controls.
#include "MirelSetupPS.h"
#include "TestResources.h"

#include <gtest/gtest.h>

namespace {

struct Observed
{
    int checkAfterSet = -1, checkAfterClear = -1;
    int selectionFresh = 99, selectionAfterSet = -1;
    std::string textAfterSet;
};

class CControlsDialog : public CDialog
{
public:
    CControlsDialog() : CDialog(IDD_TEST_DIALOG) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        seen.selectionFresh = CMirelSetupPS::GetItemCurSel(this, IDC_TEST_COMBO);
        CMirelSetupPS::SetItemCheck(this, IDC_TEST_CHECK, 1);
        seen.checkAfterSet = CMirelSetupPS::GetItemCheck(this, IDC_TEST_CHECK);
        CMirelSetupPS::SetItemCheck(this, IDC_TEST_CHECK, 0);
        seen.checkAfterClear = CMirelSetupPS::GetItemCheck(this, IDC_TEST_CHECK);
        CMirelSetupPS::SetItemCurSel(this, IDC_TEST_COMBO, 2);
        seen.selectionAfterSet = CMirelSetupPS::GetItemCurSel(this, IDC_TEST_COMBO);
        CMirelSetupPS::SetItemText(this, IDC_TEST_EDIT, CString("表示　ソ\\ー@"));
        seen.textAfterSet = CMirelSetupPS::GetItemText(this, IDC_TEST_EDIT);
        ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    Observed seen;
};

}  // namespace

TEST(MirelSetupPSTest, ControlOperationsSetAndGetThroughControls)
{
    CControlsDialog dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(-1, dialog.seen.selectionFresh);  // a list without a selection reads -1
    EXPECT_EQ(1, dialog.seen.checkAfterSet);
    EXPECT_EQ(0, dialog.seen.checkAfterClear);
    EXPECT_EQ(2, dialog.seen.selectionAfterSet);
    EXPECT_EQ("表示　ソ\\ー@", dialog.seen.textAfterSet);
}
