// Test fixture: the settings program as installed, with a clean settings store.
#include "SettingsProgram.h"

#include "tests/common/SetupKit.h"
#include "tests/common/StoreKit.h"

#include <commctrl.h>

namespace {
const char kTestRoot[] = "C:\\mirel-e2e";
}

std::string SettingsProgramTest::DistFolder()
{
    return driver::EnvOrEmpty("MIREL_DIST");
}

void SettingsProgramTest::SetUp()
{
    ASSERT_FALSE(DistFolder().empty()) << "MIREL_DIST names the distribution folder";
    storekit::DeleteStore();
    m_folder = std::string(kTestRoot) + "\\settings";
    setupkit::RemoveTree(m_folder);
    ::CreateDirectoryA(kTestRoot, nullptr);
    ::CreateDirectoryA(m_folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA((DistFolder() + "\\installer.exe").c_str(),
                            (m_folder + "\\MirelSetup.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA((DistFolder() + "\\Mirel.DLL").c_str(),
                            (m_folder + "\\Mirel.DLL").c_str(), FALSE));
}

void SettingsProgramTest::TearDown()
{
    storekit::DeleteStore();
}

driver::Program SettingsProgramTest::Start() const
{
    return driver::Program(m_folder + "\\MirelSetup.exe", m_folder);
}

HWND SettingsProgramTest::WaitForSheet(const driver::Program& program)
{
    return driver::WaitForWindow(program.Pid(), "#32770", kSheetCaption);
}

void SettingsProgramTest::CancelAndExpectExit(const driver::Program& program, HWND sheet)
{
    driver::PressSheetButton(sheet, PSBTN_CANCEL);
    EXPECT_EQ(0u, program.WaitForExit());
}

void SettingsProgramTest::EditEveryControl(HWND sheet)
{
    const int pageCount = static_cast<int>(driver::TabTexts(sheet).size());
    for (int index = 0; index < pageCount; ++index) {
        driver::SelectPage(sheet, index);
        HWND page = driver::CurrentPage(sheet);
        for (HWND control = ::GetWindow(page, GW_CHILD); control != nullptr;
             control = ::GetWindow(control, GW_HWNDNEXT)) {
            char className[32] = {};
            ::GetClassNameA(control, className, sizeof(className));
            const LONG style = ::GetWindowLongA(control, GWL_STYLE);
            const std::string kind = className;
            if (kind == "ComboBox") {
                const int count = static_cast<int>(::SendMessageA(control, CB_GETCOUNT, 0, 0));
                if (count > 0)
                    driver::ChooseComboItem(control, (driver::ComboSelection(control) + 1) % count);
            } else if (kind == "Edit") {
                driver::TypeText(control, L"4321");
            } else if (kind == "Button") {
                // Only controls that hold a value: the command buttons act at once.
                const LONG type = style & BS_TYPEMASK;
                if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON)
                    ::SendMessageA(control, BM_CLICK, 0, 0);
            }
        }
    }
}
