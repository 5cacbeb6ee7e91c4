// The uninstaller declined: the question is asked, and nothing of the installation changes.
// (Confirmed, it ends the process; the end-to-end tests run it in a program of its own.)
#include "CleanInstallationTest.h"
#include "setup/AddInRegistration.h"
#include "setup/Shortcuts.h"
#include "setup/Uninstaller.h"

#include <shlobj.h>

class UninstallerTest : public CleanInstallationTest
{
};

TEST_F(UninstallerTest, AnythingButYesLeavesTheInstallationAsItWas)
{
    Install("Mirel.DLL", "Mirel.DLL");
    ASSERT_EQ(1, RegisterAddIn(FALSE));
    const std::string program = setupkit::InstalledFile("MirelSetup.exe");
    setupkit::WriteFileText(program, "program");
    CreateShortcut(program.c_str(), CSIDL_DESKTOP);
    CreateShortcut(program.c_str(), CSIDL_PROGRAMS);

    for (int answer : {IDNO, IDCANCEL}) {
        m_app.shown.clear();
        m_app.Answer({answer});
        Uninstall();  // returns only when declined
        ASSERT_EQ(1u, m_app.shown.size());
        EXPECT_EQ("ミレルをアンインストールしてよろしいですか？", m_app.shown[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), m_app.shown[0].type);
        EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
        EXPECT_TRUE(setupkit::Exists(setupkit::DesktopLink()));
        EXPECT_TRUE(setupkit::Exists(setupkit::ProgramsLink()));
        EXPECT_EQ("program", setupkit::ReadFileText(program));
        EXPECT_TRUE(setupkit::PendingRemovals().empty());
    }
}
