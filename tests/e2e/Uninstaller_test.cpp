// The uninstaller as Windows' list of installed programs starts it, asking and unattended
// (/quiet): declined, it changes nothing; confirmed, it removes everything at once or at the
// restart (the program's own file and Mirel.DLL, which it holds, without taking a later
// installation with them) and ends with exit status -1, unattended with 0, or 3010 when the
// restart has files to remove; what it cannot remove it names, with where it stays, instead of
// claiming completion (unattended: in its log, with exit status 1), and it keeps what a repeat
// needs until everything else is gone.
#include "tests/common/SetupKit.h"
#include "tests/e2e/SetupTest.h"

class UninstallerTest : public SetupTest
{
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
        // The shortcuts an earlier release made in the installing user's own folders go too.
        ::CreateDirectoryA(setupkit::ProgramsFolder(false).c_str(), nullptr);
        for (const std::string& link :
             {setupkit::DesktopLink(false), setupkit::ProgramsLink(false)})
            ASSERT_TRUE(::CopyFileA(setupkit::DesktopLink().c_str(), link.c_str(), FALSE)) << link;
        if (way == kAsked) {
            // The question comes first, and the sheet never: declined, the program ends at once.
            driver::Program declined = StartInstalled("/UNINSTALL");
            ASSERT_TRUE(Answer(declined, kSettingsAppName, kConfirmUninstallText, kYesNo, IDNO));
            EXPECT_EQ(0u, declined.WaitForExit());
            EXPECT_TRUE(setupkit::HasUninstallEntry());
            EXPECT_TRUE(setupkit::Exists(setupkit::InstalledFile(".mirelrc")));
            Uninstall(StartInstalled("/uninstall"), {kUninstalledText});
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
        for (bool allUsers : {true, false}) {
            EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink(allUsers))) << way;
            EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsFolder(allUsers))) << way;
        }
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

TEST_F(UninstallerTest, ADamagedModuleIsNoReasonToLeaveTheAddInRegistered)
{
    // The installed module cannot unregister anything; the program's own Mirel.DLL, of the same
    // build, removes every key of the registration, and then everything else goes.
    InstallAsUser();
    setupkit::WriteFileText(setupkit::InstalledFile("Mirel.DLL"), "not a module");
    UninstallFromElsewhere({kUninstalledText});
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
    EXPECT_FALSE(setupkit::HasUninstallEntry());
}

TEST_F(UninstallerTest, WhatStaysIsNamedWithWhereItStays)
{
    // A subfolder stays with its content, and the folder with it; the files go, and so does the
    // list entry, since a repeat would remove nothing more.
    InstallAsUser();
    ::CreateDirectoryA(setupkit::InstalledFile("cache").c_str(), nullptr);
    UninstallFromElsewhere({IncompleteText("　cache\n")}, "uninstall-incomplete");
    EXPECT_EQ(std::vector<std::string>{"cache"}, setupkit::EntriesOf(setupkit::InstallDirectory()));
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    setupkit::RemoveInstallation();

    // A shortcut held open by another program and a list entry the registry will not delete:
    // each is named, and neither is called a completion.
    InstallAsUser();
    setupkit::RefuseDeleting(setupkit::InstallationKey::UninstallEntry);
    {
        const setupkit::Undo held = setupkit::HoldOpen(setupkit::ProgramsLink());
        UninstallFromElsewhere(
            {IncompleteText("", false,
                            Printf(kShortcutsLeftFormat, "　" + setupkit::ProgramsLink() + "\n") +
                                kEntryLeftText)});
    }
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    setupkit::RemoveInstallation();

    // A file where the installation directory belongs cannot be listed: it is named as the folder
    // that stays, and nothing is scheduled (the restart would delete that file).
    setupkit::WriteFileText(setupkit::InstallDirectory(), "in the way");
    UninstallFromElsewhere({kUninstallIncompleteText +
                            Printf(kFolderLeftFormat, setupkit::InstallDirectory()) +
                            kUninstallWhatToDoText});
    EXPECT_EQ("in the way", setupkit::ReadFileText(setupkit::InstallDirectory()));
    EXPECT_EQ(std::vector<std::string>{}, setupkit::PendingRemovals());
}

TEST_F(UninstallerTest, AnIncompleteRemovalKeepsWhatARepeatNeedsAndCanBeRepeated)
{
    // A registration the registry will not delete: the program, its module and the list entry
    // stay, so the removal can be run again; the rest goes.
    InstallAsUser();
    setupkit::RefuseDeleting(setupkit::InstallationKey::HelperObject);
    UninstallFromElsewhere(
        {IncompleteText("　MirelSetup.exe\n　Mirel.DLL\n", true, kEntryKeptText)});
    EXPECT_FALSE(setupkit::NothingRegistered());
    EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe"}),
              setupkit::EntriesOf(setupkit::InstallDirectory()));
    EXPECT_TRUE(setupkit::HasUninstallEntry());
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    setupkit::RemoveInstallation();

    // A file held open by another program can be neither deleted nor moved aside: it is never
    // scheduled under its own name (a reinstallation before the restart would lose it), and what
    // a repeat needs stays; unattended, the log names it and the exit status is 1.
    InstallAsUser();
    {
        const setupkit::Undo held = setupkit::HoldOpen(setupkit::InstalledFile("readme.txt"));
        driver::Program quiet =
            StartInstaller("MirelSetup.exe", "/uninstall /quiet " + LogSwitch());
        EXPECT_EQ(1u, ExitOfQuietRun(quiet));
    }
    EXPECT_EQ(std::vector<std::string>{Entry(
                  kSettingsAppName, IncompleteText("　readme.txt\n　MirelSetup.exe\n　Mirel.DLL\n",
                                                   false, kEntryKeptText))},
              LogEntries());
    EXPECT_EQ(std::vector<std::string>{}, setupkit::PendingRemovals());
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_TRUE(setupkit::HasUninstallEntry());

    // Repeated from the list entry once the file is free: now it completes.
    Uninstall(StartInstalled("/uninstall"), {kUninstalledText});
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    ASSERT_TRUE(setupkit::RestartWine());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));

    // Nothing can be scheduled: the running program, moved aside, comes back under its own name
    // and is named so; its module stays with it, and the list entry.
    InstallAsUser();
    {
        const setupkit::Undo refused = setupkit::RefusePendingRemovals();
        Uninstall(StartInstalled("/uninstall"),
                  {IncompleteText("　MirelSetup.exe\n　Mirel.DLL\n", false, kEntryKeptText)});
    }
    EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe"}),
              setupkit::EntriesOf(setupkit::InstallDirectory()));
    EXPECT_TRUE(setupkit::HasUninstallEntry());
}
