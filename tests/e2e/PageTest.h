// Test fixture for one settings page: seeds the store, opens the page in the real program,
// confirms the sheet and reads back what the program stored.
#pragma once

#include "SettingsProgram.h"
#include "support/CommonData.h"

#include <memory>
#include <string>
#include <vector>

// Positions of the pages in the sheet.
const int kMainPage = 0;
const int kFilter1Page = 1;
const int kFilter2Page = 2;
const int kHighLightPage = 3;

// The items of each kind of drop-down list, in code page 932.
extern const std::vector<std::string> kTwoWayItems;
extern const std::vector<std::string> kFourWayItems;
extern const std::vector<std::string> kShipCostItems;
extern const std::vector<std::string> kDispatchItems;
extern const std::vector<std::string> kQuestionItems;

class PageTest : public SettingsProgramTest
{
protected:
    // A record the sheet can show and store back unchanged: every list index inside its list,
    // every flag 0 or 1; the carried-through fields hold distinct values.
    static CommonData LoadableRecord();

    // Seeds the store with seed, starts the program and shows the page at pageIndex; a negative
    // index leaves the sheet on its first page. False when the sheet did not appear.
    bool Open(const CommonData& seed, int pageIndex);
    // Presses OK and returns the store as the program left it (unread fields as in start).
    CommonData ConfirmAndReadStore(const CommonData& start);

    HWND Control(int controlId) const;
    bool IsEnabled(int controlId) const;
    // Clicks a check box as a user would; it tells the page before this returns.
    void ClickCheckBox(int controlId) const;

    std::unique_ptr<driver::Program> m_program;
    HWND m_sheet = nullptr;
    HWND m_page = nullptr;
};

// Expects the store to hold exactly the record expected; names the first field that differs.
void ExpectStored(const CommonData& expected, const CommonData& stored, const std::string& what);
