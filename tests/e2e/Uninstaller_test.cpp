// The uninstaller as Windows' list of installed programs starts it: declined, it changes nothing;
// confirmed, it removes everything at once or at the restart (the program's own file and
// Mirel.DLL, which it holds, without taking a later installation with them) and ends with exit
// status -1; what it cannot remove it names, with where it stays, instead of claiming completion,
// and it keeps what a repeat needs until everything else is gone.
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
    // The shortcuts an earlier release made in the installing user's own folders go too.
    ::CreateDirectoryA(setupkit::UserProgramsFolder().c_str(), nullptr);
    for (const std::string& link : {setupkit::UserDesktopLink(), setupkit::UserProgramsLink()})
        ASSERT_TRUE(::CopyFileA(setupkit::DesktopLink().c_str(), link.c_str(), FALSE)) << link;
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
    for (const std::string& path : {setupkit::DesktopLink(), setupkit::ProgramsFolder(),
                                    setupkit::UserDesktopLink(), setupkit::UserProgramsFolder()})
        EXPECT_FALSE(setupkit::Exists(path)) << path;
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
        const HANDLE held = ::CreateFileA(setupkit::ProgramsLink().c_str(), GENERIC_READ, 0,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        UninstallFromElsewhere({IncompleteText(
            "", false,
            Printf(kShortcutsLeftFormat, "　" + setupkit::ProgramsLink() + "\n") + kEntryLeftText)},
                               "uninstall-shortcut-entry-left");
        ::CloseHandle(held);
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
                            kUninstallWhatToDoText},
                           "uninstall-folder-unlisted");
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
        {IncompleteText("　MirelSetup.exe\n　Mirel.DLL\n", true, kEntryKeptText)},
        "uninstall-kept-for-repeat");
    EXPECT_FALSE(setupkit::NothingRegistered());
    EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe"}),
              setupkit::EntriesOf(setupkit::InstallDirectory()));
    EXPECT_TRUE(setupkit::HasUninstallEntry());
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    setupkit::RemoveInstallation();

    // A file held open by another program can be neither deleted nor moved aside: it is never
    // scheduled under its own name (a reinstallation before the restart would lose it), and what
    // a repeat needs stays.
    InstallAsUser();
    const HANDLE held = ::CreateFileA(setupkit::InstalledFile("readme.txt").c_str(), GENERIC_READ,
                                      0, nullptr, OPEN_EXISTING, 0, nullptr);
    UninstallFromElsewhere(
        {IncompleteText("　readme.txt\n　MirelSetup.exe\n　Mirel.DLL\n", false, kEntryKeptText)});
    EXPECT_EQ(std::vector<std::string>{}, setupkit::PendingRemovals());
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_TRUE(setupkit::HasUninstallEntry());
    ::CloseHandle(held);

    // Repeated from the list entry once the file is free: now it completes.
    {
        driver::Program repeat = StartInstalled("/uninstall");
        ASSERT_TRUE(Answer(repeat, kSettingsAppName, kConfirmUninstallText, kYesNo, IDYES));
        ASSERT_TRUE(Answer(repeat, kSettingsAppName, kUninstalledText, kOk, IDOK));
        EXPECT_EQ(0xFFFFFFFFu, repeat.WaitForExit());
    }
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    ASSERT_TRUE(setupkit::RestartWine());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));

    // Nothing can be scheduled: the running program, moved aside, comes back under its own name
    // and is named so; its module stays with it, and the list entry.
    InstallAsUser();
    {
        setupkit::PendingRemovalsRefused refused;
        driver::Program uninstaller = StartInstalled("/uninstall");
        ASSERT_TRUE(Answer(uninstaller, kSettingsAppName, kConfirmUninstallText, kYesNo, IDYES));
        ASSERT_TRUE(Answer(uninstaller, kSettingsAppName,
                           IncompleteText("　MirelSetup.exe\n　Mirel.DLL\n", false, kEntryKeptText),
                           kOk, IDOK, "uninstall-not-scheduled"));
        EXPECT_EQ(0xFFFFFFFFu, uninstaller.WaitForExit());
    }
    EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe"}),
              setupkit::EntriesOf(setupkit::InstallDirectory()));
    EXPECT_TRUE(setupkit::HasUninstallEntry());
}
