// The framework under a real window manager: message boxes, run-time classes, dialogs filled
// from their templates, command tables, and the property sheet's OK and Cancel.
#include "ScriptedApp.h"
#include "TestResources.h"
#include "framework/Dialog.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "sheet/MirelSetupPS.h"
#include "sheet/PPFilter1.h"
#include "sheet/PPFilter2.h"
#include "sheet/PPHighLight.h"
#include "sheet/PPMain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> ComboItems(HWND combo)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// Runs through its checks from inside the dialog, then presses its own button and OK.
class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(IDD_TEST_DIALOG) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        comboItems = ComboItems(GetDlgItem(IDC_TEST_COMBO));
        secondComboItems = ComboItems(GetDlgItem(IDC_TEST_COMBO2));
        foundByHandle = CWnd::FromHandle(m_hWnd) == this;
        ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(IDC_TEST_BUTTON)));
        ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }

    std::vector<std::string> comboItems;
    std::vector<std::string> secondComboItems;
    bool foundByHandle = false;
    int buttonClicks = 0;
    HWND handleAtEnd = nullptr;

protected:
    const CommandEntry* GetCommandTable() const override
    {
        static const CommandEntry table[] = {
            {BN_CLICKED, IDC_TEST_BUTTON, &CTestDialog::OnButton},
            {0, 0, nullptr},
        };
        return table;
    }

private:
    void OnButton() { ++buttonClicks; }
};

}  // namespace

TEST(FrameworkTest, MessageBoxesGoThroughTheApplicationObject)
{
    CScriptedApp app;
    app.Answer({IDYES});
    EXPECT_EQ(IDYES, AfxMessageBox("質問", MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(IDCANCEL, AfxMessageBox("表示", MB_OK));
    ASSERT_EQ(2u, app.shown.size());
    EXPECT_EQ("質問", app.shown[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), app.shown[0].type);
    EXPECT_EQ(static_cast<UINT>(MB_OK), app.shown[1].type);
}

TEST(FrameworkTest, UnnamedApplicationIsNamedAfterItsProgramFile)
{
    CWinApp app;
    EXPECT_STREQ("framework_tests", app.GetAppName());
    EXPECT_EQ(&app, AfxGetApp());
}

TEST(FrameworkTest, RunTimeClassesAreFoundByNameAndPagesCreated)
{
    // Naming the records here links the pages into this test program, as the program links them.
    const CRuntimeClass* const pages[] = {&CPPMain::classCPPMain, &CPPFilter1::classCPPFilter1,
                                          &CPPFilter2::classCPPFilter2,
                                          &CPPHighLight::classCPPHighLight};
    for (const CRuntimeClass* page : pages) {
        const char* name = page->m_lpszClassName;
        const CRuntimeClass* record = CRuntimeClass::FromName(name);
        ASSERT_EQ(page, record) << name;
        CObject* created = record->CreateObject();
        ASSERT_NE(nullptr, created) << name;
        EXPECT_EQ(record, created->GetRuntimeClass()) << name;
        EXPECT_TRUE(created->IsKindOf(&CPropertyPage::classCPropertyPage)) << name;
        delete created;
    }
    const CRuntimeClass* sheet = CRuntimeClass::FromName("CMirelSetupPS");
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(nullptr, sheet->CreateObject());  // recorded, but not creatable by name
    EXPECT_TRUE(sheet->IsDerivedFrom(&CPropertySheet::classCPropertySheet));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CPPNothing"));
}

TEST(FrameworkTest, DialogFillsListsFromItsTemplateAndRoutesCommands)
{
    CTestDialog dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"抽出しない", "常に抽出する", "表示ソ能"}),
              dialog.comboItems);
    EXPECT_EQ((std::vector<std::string>{"ListItem"}), dialog.secondComboItems);
    EXPECT_TRUE(dialog.foundByHandle);
    EXPECT_EQ(1, dialog.buttonClicks);
    EXPECT_EQ(nullptr, dialog.m_hWnd);  // detached when its window went
}
