// The settings sheet's control operations move values through real controls.
#include "TestResources.h"
#include "framework/Dialog.h"
#include "sheet/ItemAccess.h"

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
        seen.selectionFresh = GetItemCurSel(this, IDC_TEST_COMBO);
        SetItemCheck(this, IDC_TEST_CHECK, 1);
        seen.checkAfterSet = GetItemCheck(this, IDC_TEST_CHECK);
        SetItemCheck(this, IDC_TEST_CHECK, 0);
        seen.checkAfterClear = GetItemCheck(this, IDC_TEST_CHECK);
        SetItemCurSel(this, IDC_TEST_COMBO, 2);
        seen.selectionAfterSet = GetItemCurSel(this, IDC_TEST_COMBO);
        SetItemText(this, IDC_TEST_EDIT, CString("表示　ソ\\ー@"));
        seen.textAfterSet = GetItemText(this, IDC_TEST_EDIT);
        ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    Observed seen;
};

}  // namespace

TEST(ItemAccessTest, ControlOperationsSetAndGetThroughControls)
{
    CControlsDialog dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(-1, dialog.seen.selectionFresh);  // a list without a selection reads -1
    EXPECT_EQ(1, dialog.seen.checkAfterSet);
    EXPECT_EQ(0, dialog.seen.checkAfterClear);
    EXPECT_EQ(2, dialog.seen.selectionAfterSet);
    EXPECT_EQ("表示　ソ\\ー@", dialog.seen.textAfterSet);
}
