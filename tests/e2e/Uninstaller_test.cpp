// The uninstaller confirmed from the Main page of the installed program: what is removed at
// once, what is left to the restart (the program's own file and Mirel.DLL, which it holds), what
// a subdirectory keeps, the messages, and the exit status -1.
#include "InstallerProgram.h"
#include "SettingsProgram.h"
#include "SetupKit.h"

class UninstallerTest : public InstallerTest
{
};

TEST_F(UninstallerTest, ConfirmedRemovesEverythingNowOrAtTheRestartAndEndsWithMinusOne)
{
    for (bool withSubdirectory : { false, true }) {
        const char* const label = withSubdirectory ? "with a subdirectory" : "files only";
        InstallAsUser();
        const std::string program = setupkit::InstalledFile("MirelSetup.exe");
        setupkit::WriteFileText(setupkit::InstalledFile(".mirelrc"), "a dot file");
        const std::string subdirectory = setupkit::InstalledFile("cache");
        if (withSubdirectory) {
            ::CreateDirectoryA(subdirectory.c_str(), nullptr);
            setupkit::WriteFileText(subdirectory + "\\page.txt", "kept");
        }

        driver::Program uninstaller = StartInstalledSettings();
        HWND sheet = driver::WaitForWindow(uninstaller.Pid(), "#32770", kSheetCaption);
        ASSERT_NE(nullptr, sheet) << label;
        ClickUninstall(sheet);
        ASSERT_TRUE(AnswerBox(uninstaller, kSettingsAppName, kConfirmUninstallText, kYesNo,
                              driver::Icon::Question, IDYES,
                              withSubdirectory ? nullptr : "uninstall-confirm"))
            << label;
        ASSERT_TRUE(AnswerBox(uninstaller, kSettingsAppName, kUninstalledText, kOk,
                              driver::Icon::Information, IDOK,
                              withSubdirectory ? nullptr : "uninstall-complete"))
            << label;
        EXPECT_EQ(0xFFFFFFFFu, uninstaller.WaitForExit()) << label;

        EXPECT_TRUE(setupkit::NothingRegistered()) << label;
        EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink())) << label;
        EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsFolder())) << label;
        for (const char* deleted : { "readme.txt", ".mirelrc" })
            EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile(deleted))) << label << deleted;
        // What the running program held is left to the restart, and the directory after it,
        // unless a subdirectory keeps it.
        for (const char* held : { "MirelSetup.exe", "Mirel.DLL" })
            EXPECT_TRUE(setupkit::IsPendingRemoval(setupkit::InstalledFile(held))) << label << held;
        EXPECT_EQ(!withSubdirectory, setupkit::IsPendingRemoval(setupkit::InstallDirectory()))
            << label;
        EXPECT_FALSE(setupkit::IsPendingRemoval(subdirectory)) << label;

        ASSERT_TRUE(setupkit::CarryOutPendingRemovals());
        EXPECT_TRUE(setupkit::PendingRemovals().empty()) << label;
        if (withSubdirectory) {
            EXPECT_EQ("kept", setupkit::ReadFileText(subdirectory + "\\page.txt")) << label;
            EXPECT_FALSE(setupkit::Exists(program)) << label;
            EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("Mirel.DLL"))) << label;
        } else {
            EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory())) << label;
        }
        setupkit::RemoveInstallation();
    }
}
