// The uninstaller as Windows' list of installed programs starts it, asking and unattended
// (/quiet): declined, it changes nothing; confirmed, it removes everything at once or at the
// restart (the program's own file and Mirel.DLL, which it holds, without taking a later
// installation with them) and ends with exit status -1, unattended with 0, or 3010 when the
// restart has files to remove; what it cannot remove it names, with where it stays, instead of
// claiming completion (unattended: in its log, with exit status 1).
#include "SetupTest.h"
#include "tests/common/SetupKit.h"

class UninstallerTest : public SetupTest
{
protected:
    // Removes the add-in with a copy of the settings program outside the installation, so that
    // it holds nothing there itself, and expects these boxes after the question (unattended:
    // these entries in the log, and exit status 1).
    void UninstallFromElsewhere(const std::vector<std::string>& boxes,
                                const char* screenshot = nullptr, bool quiet = false) const
    {
        if (quiet) {
            ::DeleteFileA(m_log.c_str());
            driver::Program program =
                StartInstaller("MirelSetup.exe", "/uninstall /quiet " + LogSwitch());
            EXPECT_EQ(1u, ExitOfQuietRun(program));
            std::vector<std::string> expected;
            for (const std::string& box : boxes)
                expected.push_back(Entry(kSettingsAppName, box));
            EXPECT_EQ(expected, LogEntries());
            return;
        }
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
    // Asked; unattended from the list entry's QuietUninstallString, whose program is in use
    // until the restart (3010); unattended from a copy elsewhere, when nothing waits (0, and a
    // log that cannot be written changes nothing).
    enum Way { kAsked, kQuietListed, kQuietElsewhere };
    for (Way way : {kAsked, kQuietListed, kQuietElsewhere}) {
        InstallAsUser();
        setupkit::WriteFileText(setupkit::InstalledFile(".mirelrc"), "a dot file");
        if (way == kAsked) {
            for (const char* argument : {"/UNINSTALL", "/uninstall"}) {
                // The question comes first, and the sheet never: declined, the program ends at
                // once.
                const bool confirmed = argument[1] == 'u';
                driver::Program uninstaller = StartInstalled(argument);
                ASSERT_TRUE(Answer(uninstaller, kSettingsAppName, kConfirmUninstallText, kYesNo,
                                   confirmed ? IDYES : IDNO,
                                   confirmed ? "uninstall-confirm" : nullptr));
                if (confirmed) {
                    ASSERT_TRUE(Answer(uninstaller, kSettingsAppName, kUninstalledText, kOk, IDOK,
                                       "uninstall-complete"));
                }
                EXPECT_EQ(confirmed ? 0xFFFFFFFFu : 0u, uninstaller.WaitForExit());
                EXPECT_EQ(!confirmed, setupkit::HasUninstallEntry());
                EXPECT_EQ(!confirmed, setupkit::Exists(setupkit::InstalledFile(".mirelrc")));
            }
        } else if (way == kQuietListed) {
            ::DeleteFileA(m_log.c_str());
            driver::Program uninstaller = StartInstalled("/Uninstall /Quiet " + LogSwitch());
            EXPECT_EQ(3010u, ExitOfQuietRun(uninstaller));
            EXPECT_EQ(std::vector<std::string>{Entry(kSettingsAppName, kUninstalledText)},
                      LogEntries());
        } else {
            driver::Program uninstaller = StartInstaller(
                "MirelSetup.exe", "/quiet /uninstall /log=C:\\no-such-folder\\setup.log");
            EXPECT_EQ(0u, ExitOfQuietRun(uninstaller));
            EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory())) << "gone at once";
        }
        EXPECT_FALSE(setupkit::HasUninstallEntry()) << way;
        EXPECT_TRUE(setupkit::NothingRegistered()) << way;
        EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink())) << way;
        EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsFolder())) << way;
        // What the running program held is left to the restart, under names of its own.
        for (const char* file : {"MirelSetup.exe", "Mirel.DLL", ".mirelrc"})
            EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile(file))) << file << way;

        // Installed again before the restart, as most users upgrade: the restart takes only the
        // old files, and the new installation stays whole and registered.
        InstallAsUser();
        ASSERT_TRUE(setupkit::RestartWine());
        EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe", "readme.txt"}),
                  setupkit::EntriesOf(setupkit::InstallDirectory()))
            << way;
        EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
        EXPECT_TRUE(setupkit::Exists(setupkit::ProgramsLink()));
        setupkit::RemoveInstallation();
    }
}

TEST_F(UninstallerTest, WhatStaysIsNamedWithWhereItStays)
{
    // A subfolder stays with its content, and the folder with it; the files go.
    InstallAsUser();
    ::CreateDirectoryA(setupkit::InstalledFile("cache").c_str(), nullptr);
    UninstallFromElsewhere({IncompleteText("　cache\n")}, "uninstall-incomplete");
    EXPECT_EQ(std::vector<std::string>{"cache"}, setupkit::EntriesOf(setupkit::InstallDirectory()));
    setupkit::RemoveInstallation();

    // A file held open by another program that cannot be scheduled for the restart either;
    // unattended.
    InstallAsUser();
    {
        setupkit::PendingRemovalsRefused refused;
        const HANDLE held = ::CreateFileA(setupkit::InstalledFile("readme.txt").c_str(),
                                          GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        UninstallFromElsewhere({IncompleteText("　readme.txt\n")}, nullptr, true);
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
