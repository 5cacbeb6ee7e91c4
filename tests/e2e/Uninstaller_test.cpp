// The uninstaller as Windows' list of installed programs starts it: declined, it changes nothing;
// confirmed, it removes everything at once or at the restart (the program's own file and
// Mirel.DLL, which it holds, without taking a later installation with them) and ends with exit
// status -1; what it cannot remove it names, with where it stays, instead of claiming completion.
#include "SetupTest.h"
#include "tests/common/SetupKit.h"

class UninstallerTest : public SetupTest
{
protected:
    // Confirms the uninstallation in a copy of the settings program outside the installation,
    // so that it holds nothing there itself, and expects these boxes after the question.
    void UninstallFromElsewhere(const std::vector<std::string>& boxes,
                                const char* screenshot = nullptr) const
    {
        driver::Program program = StartInstaller("MirelSetup.exe", "/uninstall");
        ASSERT_TRUE(Answer(program, kSettingsAppName, kConfirmUninstallText, kYesNo, IDYES));
        for (const std::string& box : boxes) {
            ASSERT_TRUE(Answer(program, kSettingsAppName, box, kOk, IDOK,
                               &box == &boxes.back() ? screenshot : nullptr));
        }
        EXPECT_EQ(0xFFFFFFFFu, program.WaitForExit());
    }
};

TEST_F(UninstallerTest, ListedUninstallationRemovesEverythingAndSparesAReinstallation)
{
    InstallAsUser();
    setupkit::WriteFileText(setupkit::InstalledFile(".mirelrc"), "a dot file");
    for (const char* argument : {"/UNINSTALL", "/uninstall"}) {
        // The question comes first, and the sheet never: declined, the program ends at once.
        const bool confirmed = argument[1] == 'u';
        driver::Program uninstaller = StartInstalled(argument);
        ASSERT_TRUE(Answer(uninstaller, kSettingsAppName, kConfirmUninstallText, kYesNo,
                           confirmed ? IDYES : IDNO, confirmed ? "uninstall-confirm" : nullptr));
        if (confirmed) {
            ASSERT_TRUE(Answer(uninstaller, kSettingsAppName, kUninstalledText, kOk, IDOK,
                               "uninstall-complete"));
        }
        EXPECT_EQ(confirmed ? 0xFFFFFFFFu : 0u, uninstaller.WaitForExit());
        EXPECT_EQ(!confirmed, setupkit::HasUninstallEntry());
        EXPECT_EQ(!confirmed, setupkit::Exists(setupkit::InstalledFile(".mirelrc")));
    }
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsFolder()));
    // What the running program held is left to the restart, under names of its own.
    for (const char* held : {"MirelSetup.exe", "Mirel.DLL"})
        EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile(held))) << held;

    // Installed again before the restart, as most users upgrade: the restart takes only the old
    // files, and the new installation stays whole and registered.
    InstallAsUser();
    ASSERT_TRUE(setupkit::RestartWine());
    EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe", "readme.txt"}),
              setupkit::EntriesOf(setupkit::InstallDirectory()));
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_TRUE(setupkit::Exists(setupkit::ProgramsLink()));
}

TEST_F(UninstallerTest, WhatStaysIsNamedWithWhereItStays)
{
    // A subfolder stays with its content, and the folder with it; the files go.
    InstallAsUser();
    ::CreateDirectoryA(setupkit::InstalledFile("cache").c_str(), nullptr);
    UninstallFromElsewhere({IncompleteText("　cache\n")}, "uninstall-incomplete");
    EXPECT_EQ(std::vector<std::string>{"cache"}, setupkit::EntriesOf(setupkit::InstallDirectory()));
    setupkit::RemoveInstallation();

    // A file held open by another program that cannot be scheduled for the restart either.
    InstallAsUser();
    {
        setupkit::PendingRemovalsRefused refused;
        const HANDLE held = ::CreateFileA(setupkit::InstalledFile("readme.txt").c_str(),
                                          GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        UninstallFromElsewhere({IncompleteText("　readme.txt\n")});
        ::CloseHandle(held);
    }
    EXPECT_TRUE(setupkit::NothingRegistered());
    setupkit::RemoveInstallation();

    // A module that cannot be loaded cannot unregister the add-in: the registration stays.
    InstallAsUser();
    setupkit::WriteFileText(setupkit::InstalledFile("Mirel.DLL"), "not a module");
    UninstallFromElsewhere({kUnregisterFailedText, IncompleteText("", true)});
    EXPECT_FALSE(setupkit::NothingRegistered());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
}
