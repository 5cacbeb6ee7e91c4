// The installer end to end, from a distribution folder as a user starts it and unattended
// (/quiet): declining, first and repeated installations, an old module held by another process,
// every failure named instead of a success, the single-copy rule, and how each ends in the exit
// status and the log.
#include "tests/common/SetupKit.h"
#include "tests/e2e/SetupTest.h"

namespace {

bool NothingInstalled()
{
    for (bool allUsers : {true, false}) {
        if (setupkit::Exists(setupkit::DesktopLink(allUsers)) ||
            setupkit::Exists(setupkit::ProgramsFolder(allUsers)))
            return false;
    }
    return !setupkit::Exists(setupkit::InstallDirectory()) && setupkit::NothingRegistered() &&
           !setupkit::HasUninstallEntry();
}

}  // namespace

TEST_F(SetupTest, DecliningChangesNothing)
{
    // Under any other name the program is the settings sheet: the native tests hold the rule,
    // every test that starts MirelSetup.exe its use.
    for (int answer : {IDNO, IDCANCEL}) {
        driver::Program program = StartInstaller();
        ASSERT_TRUE(Answer(program, kInstallerAppName, kConfirmText, kYesNoCancel, answer,
                           "installer-confirm"));
        ASSERT_TRUE(Answer(program, kInstallerAppName, kAbortedText, kOk, IDOK));
        // Only the success message ends the installer with 0.
        EXPECT_EQ(1u, program.WaitForExit()) << answer;
        EXPECT_TRUE(NothingInstalled()) << answer;
    }
}

TEST_F(SetupTest, FirstInstallationCopiesItsOwnFolderMakesShortcutsRegistersAndIsListed)
{
    // As a user installs, and unattended: the same installation without a window, its boxes'
    // texts appended to the log, the confirmation taken as answered Yes.
    for (bool quiet : {false, true}) {
        setupkit::RemoveInstallation();
        if (quiet) {
            setupkit::WriteFileText(m_log, "earlier entry\r\n");
            driver::Program installer = StartInstaller("", "/QUIET " + LogSwitch());
            EXPECT_EQ(0u, ExitOfQuietRun(installer));
            EXPECT_EQ((std::vector<std::string>{
                          "earlier entry", Entry(kInstallerAppName, kConfirmText, kAnsweredYes),
                          Entry(kInstallerAppName, kSuccessText)}),
                      LogEntries());
        } else {
            driver::Program installer = StartInstaller();
            ASSERT_TRUE(Answer(installer, kInstallerAppName, kConfirmText, kYesNoCancel, IDYES));
            ASSERT_TRUE(
                Answer(installer, kInstallerAppName, kSuccessText, kOk, IDOK, "installer-success"));
            EXPECT_EQ(0u, installer.WaitForExit());
        }

        // The files of its own folder, itself as MirelSetup.exe; not its subfolder, not the
        // files of the current directory, which stays as it was.
        const std::string program = setupkit::InstalledFile("MirelSetup.exe");
        EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe", "readme.txt"}),
                  setupkit::EntriesOf(setupkit::InstallDirectory()));
        EXPECT_EQ(setupkit::ReadFileText(m_dist + "\\installer.exe"),
                  setupkit::ReadFileText(program));
        EXPECT_EQ("unrelated", setupkit::ReadFileText(m_elsewhere + "\\unrelated.txt"));
        // In the folders all users share, so every user reaches their own settings; none in the
        // installing user's own folders.
        EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink(false)));
        EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsFolder(false)));
        for (const std::string& link : {setupkit::DesktopLink(), setupkit::ProgramsLink()}) {
            setupkit::LinkFields fields;
            ASSERT_TRUE(setupkit::ReadLink(link, &fields)) << link;
            EXPECT_EQ(program, fields.target);
            EXPECT_EQ(setupkit::InstallDirectory(), fields.workingDirectory);
            EXPECT_EQ("ミレル環境設定", fields.description);
            EXPECT_EQ(SW_SHOWNORMAL, fields.showCommand);
        }
        EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));

        const size_t installedBytes =
            setupkit::ReadFileText(program).size() +
            setupkit::ReadFileText(setupkit::InstalledFile("Mirel.DLL")).size() +
            setupkit::ReadFileText(m_dist + "\\readme.txt").size();
        const struct
        {
            const char* name;
            std::string data;
        } values[] = {
            {"DisplayName", "ミレル"},
            {"DisplayVersion", "5.00"},
            {"Publisher", MIREL_TEST_PUBLISHER},  // as this build was configured
            {"URLInfoAbout", MIREL_TEST_HOME_URL},
            {"DisplayIcon", program + ",0"},
            {"InstallLocation", setupkit::InstallDirectory()},
            {"EstimatedSize", std::to_string((installedBytes + 1023) / 1024)},
            {"NoModify", "1"},
            {"NoRepair", "1"},
            {"UninstallString", "\"" + program + "\" /uninstall"},
            {"QuietUninstallString", "\"" + program + "\" /uninstall /quiet"},
        };
        for (const auto& value : values)
            EXPECT_EQ(value.data, setupkit::UninstallEntryValue(value.name)) << value.name;
    }
}

TEST_F(SetupTest, ReinstallationReplacesItsFilesKeepsOthersAndIsQuietAboutTheOldModule)
{
    InstallAsUser();
    setupkit::WriteFileText(setupkit::InstalledFile("local.txt"), "not in the distribution");
    setupkit::WriteFileText(m_dist + "\\readme.txt", "second release");
    // An old module that refuses its unregistration (one never registered, say).
    ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram("module_fails.dll").c_str(),
                            setupkit::InstalledFile("Mirel.DLL").c_str(), FALSE));
    InstallAsUser();  // no box between the confirmation and the success
    EXPECT_EQ("second release", setupkit::ReadFileText(setupkit::InstalledFile("readme.txt")));
    EXPECT_EQ("not in the distribution",
              setupkit::ReadFileText(setupkit::InstalledFile("local.txt")));
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
}

TEST_F(SetupTest, OldModuleInUseIsAskedAboutUntilItIsFreeOrTheInstallerGivesUp)
{
    // Asked, the user closes the browser; unattended, the installer looks again for a while (the
    // same loop that finds a closed browser), then gives up.
    for (bool quiet : {false, true}) {
        InstallAsUser();
        ::DeleteFileA(m_log.c_str());
        setupkit::WriteFileText(m_dist + "\\new.txt", "new in this release");
        // A browser holds the installed module until it is told to let go.
        HANDLE held = ::CreateEventA(nullptr, TRUE, FALSE, "MirelTestModuleHeld");
        HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, "MirelTestModuleRelease");
        const setupkit::Undo closeEvents([=] {
            ::SetEvent(release);
            ::CloseHandle(held);
            ::CloseHandle(release);
        });
        {
            driver::Program browser(setupkit::BesideTestProgram("hold_module.exe"), "C:\\",
                                    "\"" + setupkit::InstalledFile("Mirel.DLL") + "\"");
            ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(held, driver::kWaitMs));
            if (!quiet) {
                driver::Program installer = StartInstaller();
                ASSERT_TRUE(
                    Answer(installer, kInstallerAppName, kConfirmText, kYesNoCancel, IDYES));
                // Asked again for as long as the answer is Yes and the module stays held.
                ASSERT_TRUE(Answer(installer, kInstallerAppName, kModuleInUseText, kYesNo, IDYES));
                ::SetEvent(release);
                EXPECT_EQ(0u, browser.WaitForExit());
                ASSERT_TRUE(Answer(installer, kInstallerAppName, kModuleInUseText, kYesNo, IDYES));
                ASSERT_TRUE(Answer(installer, kInstallerAppName, kSuccessText, kOk, IDOK));
                EXPECT_EQ(0u, installer.WaitForExit());
            } else {
                const DWORD start = ::GetTickCount();
                driver::Program installer = StartInstaller("", "/quiet " + LogSwitch());
                EXPECT_EQ(1u, ExitOfQuietRun(installer, 30000));
                EXPECT_LE(9000u, ::GetTickCount() - start) << "gave up at once";
                EXPECT_EQ((std::vector<std::string>{
                              Entry(kInstallerAppName, kConfirmText, kAnsweredYes),
                              Entry(kInstallerAppName, kModuleInUseText, kAnsweredYes),
                              Entry(kInstallerAppName, kModuleInUseText, kAnsweredNo),
                              Entry(kInstallerAppName, kOldModuleKeptText)}),
                          LogEntries());
            }
            ::SetEvent(release);
            EXPECT_EQ(0u, browser.WaitForExit());
        }
        // Given up: nothing has changed, not even the registration of the module left in place.
        EXPECT_EQ(!quiet, setupkit::Exists(setupkit::InstalledFile("new.txt")));
        EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
        setupkit::RemoveInstallation();
        ::DeleteFileA((m_dist + "\\new.txt").c_str());  // not in the next first installation
    }
}

TEST_F(SetupTest, WhatCouldNotBeDoneIsNamedAndNeverCalledASuccess)
{
    const std::string directory = setupkit::InstallDirectory();
    const auto install = [&](std::vector<std::string> failures, const char* screenshot) {
        driver::Program installer = StartInstaller();
        ASSERT_TRUE(Answer(installer, kInstallerAppName, kConfirmText, kYesNoCancel, IDYES));
        for (const std::string& failure : failures) {
            ASSERT_TRUE(Answer(installer, kInstallerAppName, failure, kOk, IDOK,
                               &failure == &failures.back() ? screenshot : nullptr));
        }
        EXPECT_EQ(1u, installer.WaitForExit());  // no success message came
    };
    // The registry refuses the add-in, as it does a user without administrator rights.
    setupkit::LockHelperObjectKey();
    install({kRegisterFailedText}, nullptr);
    EXPECT_TRUE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    setupkit::RemoveInstallation();

    // A distribution file held open by another program: the rest is installed and registered.
    {
        const setupkit::Undo held = setupkit::HoldOpen(m_dist + "\\readme.txt");
        install({Printf(kCopyFailedFormat, directory, "　readme.txt\n")}, "installer-copy-failed");
    }
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    setupkit::RemoveInstallation();

    // A folder where the desktop shortcut belongs (its save fails) and a file where the Programs
    // menu's folder belongs: both shortcuts are named, and the rest is installed and registered.
    ::CreateDirectoryA(setupkit::DesktopLink().c_str(), nullptr);
    setupkit::WriteFileText(setupkit::ProgramsFolder(), "in the way");
    install({Printf(kShortcutFailedFormat,
                    "　" + setupkit::DesktopLink() + "\n　" + setupkit::ProgramsLink() + "\n")},
            nullptr);
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    setupkit::RemoveInstallation();

    // A file where the installation directory belongs: it stops before anything changes.
    setupkit::WriteFileText(directory, "in the way");
    install({Printf(kDirectoryBlockedFormat, directory)}, nullptr);
    EXPECT_EQ("in the way", setupkit::ReadFileText(directory));
    ::DeleteFileA(directory.c_str());
    EXPECT_TRUE(NothingInstalled());

    // A folder where the old module would be is no module to retry deleting.
    ::CreateDirectoryA(directory.c_str(), nullptr);
    ::CreateDirectoryA(setupkit::InstalledFile("mirel.dll").c_str(), nullptr);
    install({kRegisterFailedText, Printf(kCopyFailedFormat, directory, "　Mirel.DLL\n")}, nullptr);
}

TEST_F(SetupTest, TheInstallerHoldsTheSingleCopyRuleUntilItEnds)
{
    driver::Program installer = StartInstaller();
    const driver::MessageBoxSeen confirm =
        driver::WaitForMessageBox(installer.Pid(), kInstallerAppName);
    ASSERT_EQ(kConfirmText, confirm.text);
    // A second copy ends at once with 1: the settings program with its message, an unattended
    // installer with the message in its log.
    driver::Program settings = StartInstaller("MirelSetup.exe");
    ASSERT_TRUE(Answer(settings, kSettingsAppName, kAlreadyRunningText, kOk, IDOK));
    EXPECT_EQ(1u, settings.WaitForExit());
    driver::Program quiet = StartInstaller("", "/quiet " + LogSwitch());
    EXPECT_EQ(1u, ExitOfQuietRun(quiet));
    EXPECT_EQ(std::vector<std::string>{Entry(kInstallerAppName, kAlreadyRunningText)},
              LogEntries());
    ASSERT_TRUE(driver::Answer(confirm, IDNO));
}
