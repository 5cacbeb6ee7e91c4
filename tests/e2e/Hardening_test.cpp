// The installer and the settings program against a hostile or damaged environment: DLLs planted
// beside them, file names whose trail bytes are backslashes, read-only files, the module under
// another letter case, a very long highlight text.
#include "InstallerProgram.h"
#include "SettingsProgram.h"
#include "res/resource.h"
#include "tests/common/SetupKit.h"
#include "tests/common/StoreKit.h"

#include <commctrl.h>

#include <algorithm>
#include <string.h>

namespace {

const char kTestRoot[] = "C:\\mirel-e2e";

// Run-time DLLs the program loads by name once it runs: the visual styles and what they use.
const char* const kPlantedNames[] = {"uxtheme.dll", "msimg32.dll"};
const char kWineOverridesKey[] = "Software\\Wine\\DllOverrides";

class HardeningTest : public InstallerTest
{
protected:
    void SetUp() override
    {
        InstallerTest::SetUp();
        m_marker = std::string(kTestRoot) + "\\planted-dll-was-loaded";
        ::DeleteFileA(m_marker.c_str());
        // Inherited by every program this test starts.
        ::SetEnvironmentVariableA("MIREL_PLANT_MARKER", m_marker.c_str());
        // Wine prefers its own builtin DLL to a file of the same name beside the program; Windows
        // takes the file from the program's folder first. This makes Wine search as Windows does
        // for the programs started from now on.
        for (const char* name : kPlantedNames)
            ::RegSetKeyValueA(HKEY_CURRENT_USER, kWineOverridesKey,
                              std::string(name, strlen(name) - 4).c_str(), REG_SZ, "native,builtin",
                              sizeof("native,builtin"));
    }
    void TearDown() override
    {
        for (const char* name : kPlantedNames)
            ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kWineOverridesKey,
                                 std::string(name, strlen(name) - 4).c_str());
        ::SetEnvironmentVariableA("MIREL_PLANT_MARKER", nullptr);
        ::DeleteFileA(m_marker.c_str());
        setupkit::RemoveTree(std::string(kTestRoot) + "\\control");
        InstallerTest::TearDown();
    }

    void Plant(const std::string& folder) const
    {
        for (const char* name : kPlantedNames)
            ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram("planted.dll").c_str(),
                                    (folder + "\\" + name).c_str(), FALSE));
    }

    // Uninstalls through the installed program's Main page, as a user confirms it.
    static void UninstallFromTheMainPage(const driver::Program& settings)
    {
        HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
        ASSERT_NE(nullptr, sheet);
        ClickUninstall(sheet);
        for (int answer : {IDYES, IDOK}) {
            const driver::MessageBoxSeen box =
                driver::WaitForMessageBox(settings.Pid(), kSettingsAppName);
            ASSERT_NE(nullptr, box.hWnd);
            ASSERT_TRUE(driver::Answer(box, answer));
        }
        ASSERT_EQ(0xFFFFFFFFu, settings.WaitForExit());
    }

    std::string m_marker;
};

void SetReadOnly(const std::string& path)
{
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

bool IsReadOnly(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

TEST_F(HardeningTest, DllsPlantedBesideTheProgramAreNeverLoaded)
{
    // The control: a program that loads these names without restriction does pick up the plant.
    const std::string control = std::string(kTestRoot) + "\\control";
    ::CreateDirectoryA(control.c_str(), nullptr);
    Plant(control);
    ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram("load_by_name.exe").c_str(),
                            (control + "\\load_by_name.exe").c_str(), FALSE));
    driver::Program(control + "\\load_by_name.exe", control, kPlantedNames[0]).WaitForExit();
    ASSERT_TRUE(setupkit::Exists(m_marker)) << "the planted DLL should be found by name";
    ::DeleteFileA(m_marker.c_str());

    // The installer from a folder with the plant, and then the installed settings program, which
    // has the plant beside it too (the installer copies the whole folder).
    Plant(m_dist);
    InstallAsUser();
    EXPECT_FALSE(setupkit::Exists(m_marker)) << "the installer loaded a planted DLL";
    driver::Program settings = StartInstalledSettings();
    HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
    ASSERT_NE(nullptr, sheet);
    for (int page = 0; page < 4; ++page)
        driver::SelectPage(sheet, page);
    driver::PressSheetButton(sheet, PSBTN_CANCEL);
    EXPECT_EQ(0u, settings.WaitForExit());
    EXPECT_FALSE(setupkit::Exists(m_marker)) << "the settings program loaded a planted DLL";
}

TEST_F(HardeningTest, NamesWithBackslashTrailBytesInstallAndUninstallWhole)
{
    // "表" ends in 0x5C, "ソ" too: a byte-wise path split would cut them apart.
    setupkit::WriteFileText(m_dist + "\\表示ソフト.txt", "shown");
    ::CreateDirectoryA((m_dist + "\\能力").c_str(), nullptr);
    setupkit::WriteFileText(m_dist + "\\能力\\inside.txt", "not copied");
    InstallAsUser();
    EXPECT_EQ("shown", setupkit::ReadFileText(setupkit::InstalledFile("表示ソフト.txt")));
    EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("能力")));

    driver::Program settings = StartInstalledSettings();
    UninstallFromTheMainPage(settings);
    EXPECT_FALSE(setupkit::Exists(setupkit::InstalledFile("表示ソフト.txt")));
    ASSERT_TRUE(setupkit::CarryOutPendingRemovals());
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
}

TEST_F(HardeningTest, NamesTheCodePageCannotHoldReachNothingOutsideTheFolders)
{
    // Listed through the code page, "¥" becomes a backslash: "..¥payload.txt" would be copied
    // from the test root into Program Files, and "..¥..¥precious.txt" would delete C:\.
    const std::string programFiles =
        setupkit::InstallDirectory().substr(0, setupkit::InstallDirectory().rfind('\\'));
    const std::string outside[] = {std::string(kTestRoot) + "\\payload.txt",
                                   programFiles + "\\payload.txt", "C:\\precious.txt"};
    for (const std::string& path : outside)
        setupkit::WriteFileText(path, "outside");
    const std::vector<std::string> programFilesBefore = setupkit::EntriesOf(programFiles);
    auto wide = [](const std::string& folder, const wchar_t* name) {
        return std::wstring(folder.begin(), folder.end()) + L"\\" + name;
    };
    const std::wstring inDist = wide(m_dist, L"..\u00A5payload.txt");
    const std::wstring inInstallation =
        wide(setupkit::InstallDirectory(), L"..\u00A5..\u00A5precious.txt");
    ::CloseHandle(
        ::CreateFileW(inDist.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    driver::Program installer = StartInstaller();
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel,
                          driver::Icon::Question, IDYES));
    ASSERT_TRUE(AnswerBox(
        installer, kInstallerAppName,
        Printf(kCopyFailedFormat, setupkit::InstallDirectory(), "　..?payload.txt\n").c_str(), kOk,
        driver::Icon::Error, IDOK));
    EXPECT_EQ(0u, installer.WaitForExit());

    ::CloseHandle(::CreateFileW(inInstallation.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                nullptr));
    driver::Program uninstaller = StartInstaller("MirelSetup.exe", "/uninstall");
    ASSERT_TRUE(AnswerBox(uninstaller, kSettingsAppName, kConfirmUninstallText, kYesNo,
                          driver::Icon::Question, IDYES));
    ASSERT_TRUE(AnswerBox(
        uninstaller, kSettingsAppName,
        (kUninstallIncompleteText +
         Printf(kLeftoversFormat, setupkit::InstallDirectory(), "　..?..?precious.txt\n") +
         kUninstallWhatToDoText)
            .c_str(),
        kOk, driver::Icon::Error, IDOK));
    EXPECT_EQ(0xFFFFFFFFu, uninstaller.WaitForExit());

    // The installation directory stays, for the file named in the message; nothing else new.
    std::vector<std::string> programFilesAfter = setupkit::EntriesOf(programFiles);
    programFilesAfter.erase(
        std::remove(programFilesAfter.begin(), programFilesAfter.end(), "Mirel"),
        programFilesAfter.end());
    EXPECT_EQ(programFilesBefore, programFilesAfter);
    for (const std::string& path : outside) {
        EXPECT_EQ("outside", setupkit::ReadFileText(path)) << path;
        ::DeleteFileA(path.c_str());
    }
    ::DeleteFileW(inInstallation.c_str());
    ::DeleteFileW(inDist.c_str());
}

TEST_F(HardeningTest, ReadOnlyFilesNeitherBlockAReinstallationNorTheUninstaller)
{
    // A distribution copied from read-only media: its files arrive read-only.
    SetReadOnly(m_dist + "\\readme.txt");
    InstallAsUser();
    const std::string readme = setupkit::InstalledFile("readme.txt");
    EXPECT_FALSE(IsReadOnly(readme)) << "copies are left writable";

    // A file made read-only in the installation directory is still replaced...
    SetReadOnly(readme);
    setupkit::WriteFileText(m_dist + "\\readme.txt", "second edition");
    SetReadOnly(m_dist + "\\readme.txt");
    InstallAsUser();
    EXPECT_EQ("second edition", setupkit::ReadFileText(readme));

    // ...and deleted by the uninstaller, like the old module at the next installation.
    SetReadOnly(readme);
    SetReadOnly(setupkit::InstalledFile("Mirel.DLL"));
    InstallAsUser();
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    SetReadOnly(readme);
    driver::Program settings = StartInstalledSettings();
    UninstallFromTheMainPage(settings);
    EXPECT_FALSE(setupkit::Exists(readme));
}

TEST_F(HardeningTest, ModuleNamedInOtherLetterCaseIsTheSameModule)
{
    ASSERT_TRUE(::MoveFileA((m_dist + "\\Mirel.DLL").c_str(), (m_dist + "\\MIREL.DLL").c_str()));
    InstallAsUser();  // the success message: the module was found and registered
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
    // Installed again: the earlier module is the old module, whatever its letter case.
    InstallAsUser();
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));
}

TEST_F(SettingsProgramTest, HighlightTextOfAMegabyteIsKeptWhole)
{
    // 1 MB of lines, each with blanks before its line end that OK removes.
    std::string stored, cleaned;
    for (int line = 0; stored.size() < (1u << 20); ++line) {
        const std::string text = "強調" + std::to_string(line);
        stored += text + " 　 \r\n";
        cleaned += text + "\r\n";
    }
    CommonData seeded;
    seeded.strHighLight = stored.c_str();
    storekit::SeedStore(seeded);

    driver::Program program = Start();
    HWND sheet = WaitForSheet(program);
    ASSERT_NE(nullptr, sheet);
    driver::SelectPage(sheet, 3);
    HWND field = driver::Child(driver::CurrentPage(sheet), IDC_HL_TEXT);
    EXPECT_EQ(stored.size(), driver::Text(field).size());
    driver::PressSheetButton(sheet, PSBTN_OK);
    EXPECT_EQ(0u, program.WaitForExit(60000));
    std::string text;
    ASSERT_TRUE(storekit::GetString("strHighLight", &text));
    EXPECT_EQ(cleaned, text);
}

TEST_F(HardeningTest, InstallationDirectoryNearThePathLimitTouchesNothingBesideIt)
{
    // Program Files moved to a folder whose name fills the path almost to its limit: the
    // installation directory still fits, the files in it would not on Windows.
    const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
    char saved[MAX_PATH] = {};
    DWORD size = sizeof(saved);
    ASSERT_EQ(ERROR_SUCCESS, ::RegGetValueA(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir",
                                            RRF_RT_REG_SZ, nullptr, saved, &size));
    const std::string parent = std::string(kTestRoot) + "\\long";
    const std::string programFiles =
        parent + "\\" + std::string(MAX_PATH - 20 - parent.size(), 'p');
    ::CreateDirectoryA(parent.c_str(), nullptr);
    ASSERT_TRUE(::CreateDirectoryA(programFiles.c_str(), nullptr));
    ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir", REG_SZ,
                      programFiles.c_str(), static_cast<DWORD>(programFiles.size() + 1));
    ASSERT_EQ(programFiles + "\\Mirel", setupkit::InstallDirectory());

    driver::Program installer = StartInstaller();
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kConfirmText, kYesNoCancel,
                          driver::Icon::Question, IDYES));
    // Wine takes a destination beyond MAX_PATH, so the installation succeeds here. On Windows
    // the program's copy would not fit, and the copy failure message would name it (the test of
    // a file held open shows that message).
    ASSERT_TRUE(AnswerBox(installer, kInstallerAppName, kSuccessText, kOk,
                          driver::Icon::Information, IDOK));
    EXPECT_EQ(0u, installer.WaitForExit());

    // Nothing beside the installation directory.
    EXPECT_EQ(std::vector<std::string>{"Mirel"}, setupkit::EntriesOf(programFiles));
    setupkit::RemoveInstallation();
    ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir", REG_SZ, saved,
                      static_cast<DWORD>(strlen(saved) + 1));
    setupkit::RemoveTree(parent);
}
