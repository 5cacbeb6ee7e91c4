// The property sheet: OK reaches only the pages that were shown, Cancel and closing reach none,
// and a page finds its sheet through its parent window.
#include "framework/PropertySheet.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class CRecordingPage : public CPropertyPage
{
public:
    explicit CRecordingPage(UINT templateId) : CPropertyPage(templateId) {}

    BOOL OnInitDialog() override
    {
        CPropertyPage::OnInitDialog();
        ++initCount;
        sheetFromParent = CWnd::FromHandle(::GetParent(m_hWnd));
        if (pressEnterInPage)  // as a control of the page that turns Enter into IDOK does
            ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
    void OnOK() override { ++okCount; }
    void OnCancel() override { ++cancelCount; }

    bool pressEnterInPage = false;
    int initCount = 0;
    int okCount = 0;
    int cancelCount = 0;
    CWnd* sheetFromParent = nullptr;
};

// Posts its script to itself once its window exists, as a user's clicks would arrive.
class CScriptedSheet : public CPropertySheet
{
public:
    explicit CScriptedSheet(std::vector<std::pair<UINT, WPARAM>> script)
        : CPropertySheet("シート"), m_script(std::move(script))
    {}

    BOOL OnInitDialog() override
    {
        for (const auto& step : m_script)
            ::PostMessageA(m_hWnd, step.first, step.second, 0);
        // A sheet the script failed to close is cancelled after a while: a test never hangs.
        ::SetTimer(m_hWnd, 1, 5000, &CScriptedSheet::GiveUp);
        return CPropertySheet::OnInitDialog();
    }

    static void CALLBACK GiveUp(HWND hWnd, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(hWnd, id);
        ::PostMessageA(hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }

private:
    std::vector<std::pair<UINT, WPARAM>> m_script;
};

struct SheetRun
{
    INT_PTR result;
    std::vector<int> inits, oks, cancels;
    std::vector<bool> foundSheet;
    bool detachedAfterwards;
};

SheetRun RunSheet(std::vector<std::pair<UINT, WPARAM>> script, bool pressEnterInFirstPage = false)
{
    CScriptedSheet sheet(std::move(script));
    CRecordingPage pages[] = {CRecordingPage(IDD_PAGE_MAIN), CRecordingPage(IDD_PAGE_FILTER1),
                              CRecordingPage(IDD_PAGE_FILTER2)};
    pages[0].pressEnterInPage = pressEnterInFirstPage;
    for (CRecordingPage& page : pages)
        sheet.AddPage(&page);
    SheetRun run;
    run.result = sheet.DoModal();
    for (CRecordingPage& page : pages) {
        run.inits.push_back(page.initCount);
        run.oks.push_back(page.okCount);
        run.cancels.push_back(page.cancelCount);
        run.foundSheet.push_back(page.initCount == 0 || page.sheetFromParent == &sheet);
    }
    run.detachedAfterwards = sheet.m_hWnd == nullptr;
    return run;
}

}  // namespace

TEST(PropertySheetTest, OkReachesOnlyPagesThatWereShown)
{
    const SheetRun run = RunSheet({{PSM_SETCURSEL, 2}, {PSM_PRESSBUTTON, PSBTN_OK}});
    EXPECT_EQ(IDOK, run.result);
    EXPECT_EQ((std::vector<int>{1, 0, 1}), run.inits);
    EXPECT_EQ((std::vector<int>{1, 0, 1}), run.oks);
    EXPECT_EQ((std::vector<bool>{true, true, true}), run.foundSheet);
    EXPECT_TRUE(run.detachedAfterwards);
}

TEST(PropertySheetTest, CancelAndClosingConfirmNothing)
{
    for (const auto& ending :
         {std::make_pair(static_cast<UINT>(PSM_PRESSBUTTON), static_cast<WPARAM>(PSBTN_CANCEL)),
          std::make_pair(static_cast<UINT>(WM_CLOSE), WPARAM(0))}) {
        const SheetRun run = RunSheet({{PSM_SETCURSEL, 1}, ending});
        EXPECT_EQ(IDCANCEL, run.result) << ending.first;
        EXPECT_EQ((std::vector<int>{0, 0, 0}), run.oks) << ending.first;
    }
}

TEST(PropertySheetTest, OkCommandInAPageConfirmsTheWholeSheetOnce)
{
    const SheetRun run = RunSheet({}, true);
    EXPECT_EQ(IDOK, run.result);
    EXPECT_EQ((std::vector<int>{1, 0, 0}), run.oks);
}

TEST(PropertySheetTest, ResultMapsToDialogResult)
{
    EXPECT_EQ(IDOK, SheetResultToDialogResult(1));
    EXPECT_EQ(IDOK, SheetResultToDialogResult(ID_PSREBOOTSYSTEM));
    EXPECT_EQ(IDCANCEL, SheetResultToDialogResult(0));
    EXPECT_EQ(IDCANCEL, SheetResultToDialogResult(-1));  // the sheet could not be created
}
