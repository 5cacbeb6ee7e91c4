// The installer end to end, from a distribution folder as a user starts it: the choice of mode
// by name, declining, first and repeated installations, an old module held by another process,
// a registration refused at the end, files that cannot be copied, and the single-instance rule
// against the settings program.
#include "InstallerProgram.h"
#include "tests/common/SetupKit.h"

namespace {

using driver::Icon;

bool NothingInstalled()
{
    return !setupkit::Exists(setupkit::InstallDirectory()) &&
           !setupkit::Exists(setupkit::DesktopLink()) &&
           !setupkit::Exists(setupkit::ProgramsFolder()) && setupkit::NothingRegistered() &&
           !setupkit::HasUninstallEntry();
}

// Holds the installed Mirel.DLL loaded in another process, as a running browser does.
class ModuleHolder
{
public:
    explicit ModuleHolder(const std::string& program)
        : m_held(::CreateEventA(nullptr, TRUE, FALSE, "MirelTestModuleHeld")),
          m_release(::CreateEventA(nullptr, TRUE, FALSE, "MirelTestModuleRelease")),
          m_program(program, "C:\\", "\"" + setupkit::InstalledFile("Mirel.DLL") + "\"")
    {}
    ~ModuleHolder()
    {
        Release();
        ::CloseHandle(m_held);
        ::CloseHandle(m_release);
    }
    bool WaitUntilHeld() const
    {
        return ::WaitForSingleObject(m_held, driver::kWaitMs) == WAIT_OBJECT_0;
    }
    void Release() const
    {
        ::SetEvent(m_release);
        m_program.WaitForExit();
    }

private:
    HANDLE m_held;
    HANDLE m_release;
    driver::Program m_program;
};

}  // namespace

TEST_F(InstallerTest, OnlyTheNameInstallerExeInAnyCaseInstallsAndDecliningChangesNothing)
{
    const struct
    {
        const char* name;
        const char* caption;
        int answer;
    } cases[] = {
        {"", "installer", IDNO},  // installer.exe in the distribution folder itself
        {"INSTALLER.EXE", "INSTALLER", IDCANCEL},
        {"Installer.Exe", "Installer", IDNO},
        {"installer.exe.bak", nullptr, 0},  // these open the settings sheet
        {"xinstaller.exe", nullptr, 0},
        {"MirelSetup.exe", nullptr, 0},
    };
    for (const auto& c : cases) {
        driver::Program program = StartInstaller(c.name);
        if (c.caption == nullptr) {
            HWND sheet = driver::WaitForWindow(program.Pid(), "#32770", kSheetCaption);
            ASSERT_NE(nullptr, sheet) << c.name;
            driver::PressSheetButton(sheet, PSBTN_CANCEL);
        } else {
            const bool first = *c.name == '\0';
            ASSERT_TRUE(AnswerBox(program, c.caption, kConfirmText, kYesNoCancel, Icon::Question,
                                  c.answer, first ? "installer-confirm" : nullptr))
                << c.name;
            ASSERT_TRUE(AnswerBox(program, c.caption, kAbortedText, kOk, Icon::Error, IDOK,
                                  first ? "installer-aborted" : nullptr))
                << c.name;
        }
        EXPECT_EQ(0u, program.WaitForExit()) << c.name;
        EXPECT_TRUE(NothingInstalled()) << c.name;
    }
}

TEST_F(InstallerTest, FirstInstallationCopiesTheFolderMakesShortcutsAndRegisters)
{
    driver::Program installer = StartInstaller();
    ASSERT_TRUE(
        AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel, Icon::Question, IDYES));
    // No old module: straight to the success message.
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kSuccessText, kOk, Icon::Information, IDOK,
                          "installer-success"));
    EXPECT_EQ(0u, installer.WaitForExit());

    const std::string program = setupkit::InstalledFile("MirelSetup.exe");
    EXPECT_EQ(setupkit::ReadFileText(m_dist + "\\installer.exe"), setupkit::ReadFileText(program));
    EXPECT_EQ(setupkit::ReadFileText(m_dist + "\\Mirel.DLL"),
              setupkit::ReadFileText(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_EQ("readme of the distribution",
              setupkit::ReadFileText(setupkit::InstalledFile("readme.txt")));
    EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("installer.exe")));
    EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("docs")));
    // The current directory was another folder: none of its files, and it stays as it was.
    EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("unrelated.txt")));
    EXPECT_EQ("unrelated", setupkit::ReadFileText(m_elsewhere + "\\unrelated.txt"));
    for (const std::string& link : {setupkit::DesktopLink(), setupkit::ProgramsLink()}) {
        setupkit::LinkFields fields;
        ASSERT_TRUE(setupkit::ReadLink(link, &fields)) << link;
        EXPECT_EQ(program, fields.target);
        EXPECT_EQ(setupkit::InstallDirectory(), fields.workingDirectory);
    }
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));

    // Listed among the installed programs, to be uninstalled from Windows' settings.
    const long long installedBytes =
        setupkit::ReadFileText(program).size() +
        setupkit::ReadFileText(setupkit::InstalledFile("Mirel.DLL")).size() +
        std::string("readme of the distribution").size();
    const struct
    {
        const char* name;
        std::string data;
    } values[] = {
        {"DisplayName", "ミレル"},
        {"DisplayVersion", "5.00"},
        {"Publisher", "Mirel"},
        {"URLInfoAbout", "https://www.example.com/mirel/"},
        {"DisplayIcon", program + ",0"},
        {"InstallLocation", setupkit::InstallDirectory()},
        {"EstimatedSize", std::to_string((installedBytes + 1023) / 1024)},
        {"NoModify", "1"},
        {"NoRepair", "1"},
        {"UninstallString", "\"" + program + "\" /uninstall"},
    };
    for (const auto& value : values)
        EXPECT_EQ(value.data, setupkit::UninstallEntryValue(value.name)) << value.name;
}

TEST_F(InstallerTest, SecondInstallationReplacesTheFirstAndKeepsOtherFiles)
{
    InstallAsUser();
    setupkit::WriteFileText(setupkit::InstalledFile("readme.txt"), "edited");
    setupkit::WriteFileText(setupkit::InstalledFile("local.txt"), "not in the distribution");
    setupkit::WriteFileText(m_dist + "\\readme.txt", "second release");
    // An old module that refuses its unregistration (one never registered, say) does not
    // alarm the upgrade.
    ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram("module_fails.dll").c_str(),
                            setupkit::InstalledFile("Mirel.DLL").c_str(), FALSE));

    // The old module is free: it is replaced without a question.
    InstallAsUser();

    EXPECT_EQ("second release", setupkit::ReadFileText(setupkit::InstalledFile("readme.txt")));
    EXPECT_EQ("not in the distribution",
              setupkit::ReadFileText(setupkit::InstalledFile("local.txt")));
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    EXPECT_TRUE(setupkit::Exists(setupkit::DesktopLink()));
    EXPECT_TRUE(setupkit::Exists(setupkit::ProgramsLink()));
}

TEST_F(InstallerTest, OldModuleInUseIsAskedAboutUntilItIsFreeOrTheUserGivesUp)
{
    for (bool givesUp : {true, false}) {
        InstallAsUser();
        setupkit::WriteFileText(m_dist + "\\new.txt", "new in this release");
        ModuleHolder browser(setupkit::BesideTestProgram("hold_module.exe"));
        ASSERT_TRUE(browser.WaitUntilHeld());

        driver::Program installer = StartInstaller();
        ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel,
                              Icon::Question, IDYES));
        // Asked again for as long as the answer is Yes and the module stays held.
        ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kModuleInUseText, kYesNo,
                              Icon::Exclamation, IDYES,
                              givesUp ? "installer-module-in-use" : nullptr));
        const driver::MessageBoxSeen inUse =
            ExpectBox(installer, kInstallerAppName, kModuleInUseText, kYesNo, Icon::Exclamation);
        ASSERT_NE(nullptr, inUse.hWnd);
        if (givesUp) {
            ASSERT_TRUE(driver::Answer(inUse, IDNO));
            ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kOldModuleKeptText, kOk,
                                  Icon::Exclamation, IDOK, "installer-old-module-kept"));
            EXPECT_EQ(0u, installer.WaitForExit());
            // Nothing copied; the old module was unregistered before the deletion and stays so.
            EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("new.txt")));
            EXPECT_TRUE(setupkit::NothingRegistered());
        } else {
            browser.Release();  // the user closes the browser, then answers Yes
            ASSERT_TRUE(driver::Answer(inUse, IDYES));
            ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kSuccessText, kOk,
                                  Icon::Information, IDOK));
            EXPECT_EQ(0u, installer.WaitForExit());
            EXPECT_TRUE(setupkit::Exists(setupkit::InstalledFile("new.txt")));
            EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
        }
        browser.Release();
        setupkit::RemoveInstallation();
        ::DeleteFileA((m_dist + "\\new.txt").c_str());
    }
}

TEST_F(InstallerTest, RegistrationRefusedAtTheEndIsReportedAndNotCalledASuccess)
{
    // The registry refuses the add-in's entries, as it does a user without administrator rights.
    setupkit::LockHelperObjectKey();

    driver::Program installer = StartInstaller();
    ASSERT_TRUE(
        AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel, Icon::Question, IDYES));
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kRegisterFailedText, kOk, Icon::Error, IDOK,
                          "installer-registration-failed"));
    // No success message follows: the program ends.
    EXPECT_EQ(0u, installer.WaitForExit());
    EXPECT_TRUE(setupkit::NothingRegistered());
    EXPECT_TRUE(setupkit::Exists(setupkit::InstalledFile("MirelSetup.exe")));
    EXPECT_TRUE(setupkit::Exists(setupkit::DesktopLink()));
}

TEST_F(InstallerTest, FilesThatCannotBeCopiedOrAFolderInTheWayAreFailures)
{
    // A distribution file held open by another program: the rest is installed and registered,
    // the file is named, no success is claimed and the installation is not listed.
    {
        const HANDLE held = ::CreateFileA((m_dist + "\\readme.txt").c_str(), GENERIC_READ, 0,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, held);
        driver::Program installer = StartInstaller();
        ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel,
                              Icon::Question, IDYES));
        ASSERT_TRUE(AnswerBox(
            installer, kInstallerAppName,
            Printf(kCopyFailedFormat, setupkit::InstallDirectory(), "　readme.txt\n").c_str(), kOk,
            Icon::Error, IDOK, "installer-copy-failed"));
        EXPECT_EQ(0u, installer.WaitForExit());
        ::CloseHandle(held);
        EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("readme.txt")));
        EXPECT_TRUE(setupkit::Exists(setupkit::InstalledFile("MirelSetup.exe")));
        EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
        EXPECT_FALSE(setupkit::HasUninstallEntry());
        setupkit::RemoveInstallation();
    }
    // A file where the installation directory belongs (as a folder a standard user may not
    // write): the installer stops before it changes anything.
    setupkit::WriteFileText(setupkit::InstallDirectory(), "in the way");
    driver::Program installer = StartInstaller();
    ASSERT_TRUE(
        AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel, Icon::Question, IDYES));
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName,
                          Printf(kDirectoryBlockedFormat, setupkit::InstallDirectory()).c_str(),
                          kOk, Icon::Error, IDOK, "installer-directory-blocked"));
    EXPECT_EQ(0u, installer.WaitForExit());
    EXPECT_EQ("in the way", setupkit::ReadFileText(setupkit::InstallDirectory()));
    ::DeleteFileA(setupkit::InstallDirectory().c_str());
    EXPECT_TRUE(NothingInstalled());

    // A folder where the old module would be is no module to retry deleting: the new module
    // cannot be copied or registered, and both are said once.
    ::CreateDirectoryA(setupkit::InstallDirectory().c_str(), nullptr);
    ::CreateDirectoryA(setupkit::InstalledFile("mirel.dll").c_str(), nullptr);
    driver::Program again = StartInstaller();
    ASSERT_TRUE(
        AnswerBox(again, kInstallerAppName, kConfirmText, kYesNoCancel, Icon::Question, IDYES));
    ASSERT_TRUE(AnswerBox(again, kInstallerAppName, kRegisterFailedText, kOk, Icon::Error, IDOK));
    ASSERT_TRUE(
        AnswerBox(again, kInstallerAppName,
                  Printf(kCopyFailedFormat, setupkit::InstallDirectory(), "　Mirel.DLL\n").c_str(),
                  kOk, Icon::Error, IDOK));
    EXPECT_EQ(0u, again.WaitForExit());
}

TEST_F(InstallerTest, InstallerAndSettingsProgramNeverRunTogether)
{
    // The installer first: the settings program refuses to start.
    {
        driver::Program installer = StartInstaller();
        const driver::MessageBoxSeen confirm =
            ExpectBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel, Icon::Question);
        ASSERT_NE(nullptr, confirm.hWnd);
        driver::Program settings = StartInstaller("MirelSetup.exe");
        ASSERT_TRUE(AnswerBox(settings, kSettingsAppName, kAlreadyRunningText, kOk,
                              Icon::Exclamation, IDOK));
        EXPECT_EQ(0u, settings.WaitForExit());
        ASSERT_TRUE(driver::Answer(confirm, IDNO));
        ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kAbortedText, kOk, Icon::Error, IDOK));
        EXPECT_EQ(0u, installer.WaitForExit());
    }
    // The settings program first: the installer refuses to start and installs nothing.
    driver::Program settings = StartInstaller("MirelSetup.exe");
    HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
    ASSERT_NE(nullptr, sheet);
    driver::Program installer = StartInstaller();
    ASSERT_TRUE(
        AnswerBox(installer, kInstallerAppName, kAlreadyRunningText, kOk, Icon::Exclamation, IDOK));
    EXPECT_EQ(0u, installer.WaitForExit());
    driver::PressSheetButton(sheet, PSBTN_CANCEL);
    EXPECT_EQ(0u, settings.WaitForExit());
    EXPECT_TRUE(NothingInstalled());
}
