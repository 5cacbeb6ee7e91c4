// The setup against a hostile or awkward folder: DLLs planted beside the program, names whose
// trail bytes are backslashes, names the code page cannot hold or Windows rewrites, read-only
// files, the module under another letter case, links in and as the installation directory, and
// a system where it cannot act exactly (another code page, no Program Files).
#include "tests/common/SetupKit.h"
#include "tests/e2e/SetupTest.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// Run-time DLLs the program loads by name once it runs: the visual styles and what they use.
const char* const kPlantedNames[] = {"uxtheme", "msimg32"};
const char kWineOverridesKey[] = "Software\\Wine\\DllOverrides";

bool IsReadOnly(const std::string& path)
{
    return (::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

TEST_F(SetupTest, DllsPlantedBesideTheProgramAreNeverLoaded)
{
    // The planted DLL leaves this file when it is loaded. Wine prefers its own builtin DLL to a
    // file beside the program, Windows the file: the overrides make Wine search as Windows does.
    const std::string marker = m_elsewhere + "\\planted-dll-was-loaded";
    ::SetEnvironmentVariableA("MIREL_PLANT_MARKER", marker.c_str());  // inherited
    const setupkit::Undo overrides([] {
        for (const char* name : kPlantedNames)
            ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kWineOverridesKey, name);
        ::SetEnvironmentVariableA("MIREL_PLANT_MARKER", nullptr);
    });
    for (const char* name : kPlantedNames) {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kWineOverridesKey, name, REG_SZ, "native,builtin", 15);
        ASSERT_TRUE(::CopyFileA(setupkit::BesideTestProgram("planted.dll").c_str(),
                                (m_dist + "\\" + name + ".dll").c_str(), FALSE));
    }
    // The control: a program that loads these names without restriction does pick up the plant.
    ::CopyFileA(setupkit::BesideTestProgram("load_by_name.exe").c_str(),
                (m_dist + "\\load_by_name.exe").c_str(), FALSE);
    driver::Program(m_dist + "\\load_by_name.exe", m_dist, "uxtheme.dll").WaitForExit();
    EXPECT_TRUE(setupkit::Exists(marker)) << "the planted DLL should be found by name";
    ::DeleteFileA(marker.c_str());

    // The installer unattended, which shows no window and so never loads the window code's DLLs
    // from the system folder in advance; then asking, and the installed program, which has the
    // plant beside it too.
    EXPECT_EQ(0u, ExitOfQuietRun(StartInstaller("", "/quiet")));
    InstallAsUser();
    {
        driver::Program settings = StartInstalled();
        HWND sheet = driver::WaitForWindow(settings.Pid(), "#32770", kSheetCaption);
        ASSERT_NE(nullptr, sheet);
        driver::PressSheetButton(sheet, PSBTN_CANCEL);
        EXPECT_EQ(0u, settings.WaitForExit());
    }
    EXPECT_FALSE(setupkit::Exists(marker)) << "a planted DLL was loaded";
}

TEST_F(SetupTest, AwkwardNamesAndReadOnlyFilesInstallAndUninstallWhole)
{
    // "表" and "ソ" end in 0x5C; a file from read-only media; the module in capitals.
    setupkit::WriteFileText(m_dist + "\\表示ソフト.txt", "shown");
    ::SetFileAttributesA((m_dist + "\\表示ソフト.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(::MoveFileA((m_dist + "\\Mirel.DLL").c_str(), (m_dist + "\\MIREL.DLL").c_str()));
    InstallAsUser();
    const std::string shown = setupkit::InstalledFile("表示ソフト.txt");
    EXPECT_EQ("shown", setupkit::ReadFileText(shown));
    EXPECT_FALSE(IsReadOnly(shown)) << "copies are left writable";

    // Read-only in the installation directory: still replaced, the module found as the old one.
    ::SetFileAttributesA(shown.c_str(), FILE_ATTRIBUTE_READONLY);
    ::SetFileAttributesA(setupkit::InstalledFile("Mirel.DLL").c_str(), FILE_ATTRIBUTE_READONLY);
    InstallAsUser();
    EXPECT_EQ("", setupkit::RegistrationMismatch(setupkit::InstalledFile("Mirel.DLL")));

    // ...and deleted by the uninstaller.
    ::SetFileAttributesA(shown.c_str(), FILE_ATTRIBUTE_READONLY);
    UninstallFromElsewhere({kUninstalledText});
    EXPECT_FALSE(setupkit::Exists(setupkit::InstallDirectory()));
}

TEST_F(SetupTest, NamesTheCodePageCannotHoldReachNothingOutsideTheFolders)
{
    // Listed through the code page, "¥" becomes a backslash: "..¥payload.txt" would be copied
    // from the test root into Program Files, and "..¥..¥precious.txt" would delete C:\.
    const std::string directory = setupkit::InstallDirectory();
    const std::string programFiles = directory.substr(0, directory.rfind('\\'));
    const std::string outside[] = {m_dist + "\\..\\payload.txt", programFiles + "\\payload.txt",
                                   "C:\\precious.txt"};
    const setupkit::Undo removeOutside([&] {
        for (const std::string& path : outside)
            ::DeleteFileA(path.c_str());
    });
    for (const std::string& path : outside)
        setupkit::WriteFileText(path, "outside");
    const std::vector<std::string> before = setupkit::EntriesOf(programFiles);
    // Through "\\?\", as named: the path calls would drop a trailing dot.
    const auto createWide = [](const std::string& folder, const wchar_t* name) {
        const std::wstring path =
            L"\\\\?\\" + std::wstring(folder.begin(), folder.end()) + L"\\" + name;
        ::CloseHandle(
            ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    };
    // "readme.txt." reads as "readme.txt" through the path calls: the installer would count the
    // other file as copied, the uninstaller delete the other file and call the removal complete.
    // Made in name order, the order of every listing.
    createWide(m_dist, L"..\u00A5payload.txt");
    createWide(m_dist, L"readme.txt.");

    driver::Program installer = StartInstaller();
    ASSERT_TRUE(Answer(installer, kInstallerAppName, kConfirmText, kYesNoCancel, IDYES));
    ASSERT_TRUE(Answer(installer, kInstallerAppName,
                       Printf(kCopyFailedFormat, directory, "　..?payload.txt\n　readme.txt.\n"),
                       kOk, IDOK));
    EXPECT_EQ(1u, installer.WaitForExit());

    createWide(directory, L"..\u00A5..\u00A5precious.txt");
    createWide(directory, L"readme.txt.");
    UninstallFromElsewhere({IncompleteText("　..?..?precious.txt\n　readme.txt.\n")});

    // The installation directory stays, for the file named in the message; nothing else new.
    std::vector<std::string> after = setupkit::EntriesOf(programFiles);
    after.erase(std::remove(after.begin(), after.end(), "Mirel"), after.end());
    EXPECT_EQ(before, after);
    for (const std::string& path : outside)
        EXPECT_EQ("outside", setupkit::ReadFileText(path)) << path;
}

TEST_F(SetupTest, LinksInTheInstallationDirectoryAreReplacedNeverWrittenThrough)
{
    // Links to a file outside: where a file of the distribution goes, and where earlier releases
    // made their write probe under a fixed name. Writing through them as an administrator would
    // overwrite or truncate any file of the machine.
    const std::string outside = m_elsewhere + "\\unrelated.txt";
    InstallAsUser();
    ASSERT_TRUE(::DeleteFileA(setupkit::InstalledFile("readme.txt").c_str()));
    const setupkit::Undo distributed =
        setupkit::UnixLink(setupkit::InstalledFile("readme.txt"), outside);
    const setupkit::Undo probe = setupkit::UnixLink(setupkit::InstalledFile("~mirel.tmp"), outside);
    InstallAsUser();
    EXPECT_EQ("unrelated", setupkit::ReadFileText(outside));
    EXPECT_EQ("readme of the distribution",
              setupkit::ReadFileText(setupkit::InstalledFile("readme.txt")));
}

TEST_F(SetupTest, WhereItCannotActExactlyTheSetupStopsBeforeAnyChange)
{
    InstallAsUser();
    const std::string directory = setupkit::InstallDirectory();
    const std::string module = setupkit::InstalledFile("Mirel.DLL");
    const std::vector<std::string> installed = setupkit::EntriesOf(directory);
    setupkit::WriteFileText(m_dist + "\\readme.txt", "second release");
    // The installer and the uninstaller each stop with their message, and the installation stays
    // as it was: no file copied or removed, still registered and listed.
    const auto bothRefuse = [&](bool askedFirst, const std::string& installerText,
                                const std::string& uninstallerText, const std::string& files,
                                const char* unixLocale = nullptr) {
        driver::Program installer = StartInstaller(std::string(), std::string(), unixLocale);
        if (askedFirst) {
            ASSERT_TRUE(Answer(installer, kInstallerAppName, kConfirmText, kYesNoCancel, IDYES));
        }
        ASSERT_TRUE(Answer(installer, kInstallerAppName, installerText, kOk, IDOK));
        EXPECT_EQ(1u, installer.WaitForExit());
        Uninstall(StartInstaller("MirelSetup.exe", "/uninstall", unixLocale), {uninstallerText});
        EXPECT_EQ(installed, setupkit::EntriesOf(files));
        EXPECT_EQ("readme of the distribution", setupkit::ReadFileText(files + "\\readme.txt"));
        EXPECT_EQ("", setupkit::RegistrationMismatch(module));
        EXPECT_TRUE(setupkit::HasUninstallEntry());
    };

    // A system code page other than 932: UTF-8 here (Wine takes the code page from the locale,
    // and Hindi has no other). The messages, code page 932 text, must still read right.
    bothRefuse(false, kCodePageText, kUninstallCodePageText, directory, "hi_IN.UTF-8");

    // The shell cannot say where Program Files is: never the environment's folder instead.
    const std::string decoy = m_elsewhere + "\\ProgramFiles";
    {
        const setupkit::Undo unknown = setupkit::HideProgramFiles(decoy);
        bothRefuse(true, kProgramFilesUnknownText, kUninstallProgramFilesUnknownText, directory);
    }
    EXPECT_EQ(std::vector<std::string>{}, setupkit::EntriesOf(decoy));

    // The installation directory is a link into another folder, which the installer would fill
    // and the uninstaller empty.
    const std::string moved = m_elsewhere + "\\moved";
    ASSERT_TRUE(::MoveFileA(directory.c_str(), moved.c_str()));
    const setupkit::Undo link = setupkit::UnixLink(directory, moved);
    bothRefuse(true, Printf(kLinkedDirectoryFormat, directory),
               Printf(kUninstallLinkedFormat, directory, directory), moved);
}
