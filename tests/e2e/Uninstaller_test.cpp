// The uninstaller as Windows' list of installed programs starts it: declined, it changes nothing;
// confirmed, it removes everything at once or at the restart (the program's own file and
// Mirel.DLL, which it holds, without taking a later installation with them) and ends with exit
// status -1; and what it cannot remove it names, with where it stays, instead of claiming
// completion.
#include "InstallerProgram.h"
#include "tests/common/SetupKit.h"

#include <utility>

using driver::Icon;

class UninstallerTest : public InstallerTest
{
protected:
    // Confirms the uninstallation in a copy of the settings program outside the installation,
    // so that it holds nothing there itself, and expects these boxes after the question (the
    // last one saved as a screenshot when a name is given).
    void UninstallFromElsewhere(const std::vector<std::pair<std::string, Icon>>& boxes,
                                const char* screenshot = nullptr)
    {
        driver::Program program = StartInstaller("MirelSetup.exe", "/uninstall");
        ASSERT_TRUE(AnswerBox(program, kSettingsAppName, kConfirmUninstallText, kYesNo,
                              Icon::Question, IDYES));
        for (const auto& box : boxes)
            ASSERT_TRUE(AnswerBox(program, kSettingsAppName, box.first.c_str(), kOk, box.second,
                                  IDOK, &box == &boxes.back() ? screenshot : nullptr));
        EXPECT_EQ(0xFFFFFFFFu, program.WaitForExit());
    }
};

TEST_F(UninstallerTest, ListedUninstallationRemovesEverythingAndSparesAReinstallation)
{
    InstallAsUser();
    setupkit::WriteFileText(setupkit::InstalledFile(".mirelrc"), "a dot file");
    const std::string program = setupkit::InstalledFile("MirelSetup.exe");
    ASSERT_EQ("\"" + program + "\" /uninstall", setupkit::UninstallEntryValue("UninstallString"));

    for (int answer : {IDNO, IDYES}) {
        const bool confirmed = answer == IDYES;
        driver::Program uninstaller(program, setupkit::InstallDirectory(),
                                    confirmed ? "/uninstall" : "/UNINSTALL");
        // The question comes first, and the sheet never: declined, the program ends at once.
        ASSERT_TRUE(AnswerBox(uninstaller, kSettingsAppName, kConfirmUninstallText, kYesNo,
                              Icon::Question, answer, confirmed ? "uninstall-confirm" : nullptr));
        if (!confirmed) {
            EXPECT_EQ(0u, uninstaller.WaitForExit());
            EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
            EXPECT_TRUE(setupkit::HasUninstallEntry());
            EXPECT_TRUE(setupkit::Exists(setupkit::DesktopLink()));
            EXPECT_EQ("a dot file", setupkit::ReadFileText(setupkit::InstalledFile(".mirelrc")));
            continue;
        }
        ASSERT_TRUE(AnswerBox(uninstaller, kSettingsAppName, kUninstalledText, kOk,
                              Icon::Information, IDOK, "uninstall-complete"));
        EXPECT_EQ(0xFFFFFFFFu, uninstaller.WaitForExit());
    }

    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    EXPECT_FALSE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_FALSE(setupkit::Exists(setupkit::ProgramsFolder()));
    for (const char* deleted : {"readme.txt", ".mirelrc"})
        EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile(deleted))) << deleted;
    // What the running program held is left to the restart, under names of its own, and the
    // directory after it.
    for (const char* held : {"MirelSetup.exe", "Mirel.DLL"})
        EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile(held))) << held;
    const std::vector<std::string> pending = setupkit::PendingRemovals();
    ASSERT_EQ(3u, pending.size());
    for (const std::string& path : pending)
        EXPECT_EQ(0u, path.find(setupkit::InstallDirectory())) << path;
    EXPECT_TRUE(setupkit::IsPendingRemoval(setupkit::InstallDirectory()));

    // Installed again before the restart, as most users upgrade: the restart takes only the old
    // files, and the new installation stays whole and registered.
    InstallAsUser();
    ASSERT_TRUE(setupkit::CarryOutPendingRemovals());
    EXPECT_EQ((std::vector<std::string>{"Mirel.DLL", "MirelSetup.exe", "readme.txt"}),
              setupkit::EntriesOf(setupkit::InstallDirectory()));
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_TRUE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_TRUE(setupkit::Exists(setupkit::ProgramsLink()));
}

TEST_F(UninstallerTest, WhatStaysIsNamedWithWhereItStays)
{
    const std::string directory = setupkit::InstallDirectory();
    const std::string incomplete = kUninstallIncompleteText;
    const std::string whatToDo = kUninstallWhatToDoText;

    // A subdirectory stays with its content, and the folder with it; the files go.
    InstallAsUser();
    ::CreateDirectoryA(setupkit::InstalledFile("cache").c_str(), nullptr);
    UninstallFromElsewhere(
        {{incomplete + Printf(kLeftoversFormat, directory, "　cache\n") + whatToDo, Icon::Error}},
        "uninstall-incomplete");
    EXPECT_TRUE(setupkit::IsDirectory(setupkit::InstalledFile("cache")));
    EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("MirelSetup.exe")));
    EXPECT_FALSE(setupkit::HasUninstallEntry());
    setupkit::RemoveInstallation();

    // A file held open by another program that cannot be scheduled for the restart either.
    InstallAsUser();
    {
        setupkit::PendingRemovalsRefused refused;
        const HANDLE held = ::CreateFileA(setupkit::InstalledFile("readme.txt").c_str(),
                                          GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, held);
        UninstallFromElsewhere(
            {{incomplete + Printf(kLeftoversFormat, directory, "　readme.txt\n") + whatToDo,
              Icon::Error}});
        ::CloseHandle(held);
    }
    EXPECT_TRUE(setupkit::Exists(setupkit::InstalledFile("readme.txt")));
    EXPECT_TRUE(setupkit::NothingRegistered());
    setupkit::RemoveInstallation();

    // A module that cannot be loaded cannot unregister the add-in: the registration stays.
    InstallAsUser();
    setupkit::WriteFileText(setupkit::InstalledFile("Mirel.DLL"), "not a module");
    UninstallFromElsewhere({{kUnregisterFailedText, Icon::Error},
                            {incomplete + kStillRegisteredText + whatToDo, Icon::Error}});
    EXPECT_FALSE(setupkit::NothingRegistered());
    EXPECT_FALSE(setupkit::Exists(directory));
}
