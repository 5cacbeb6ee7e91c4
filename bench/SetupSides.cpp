// The four sides of the setup benchmark: how each is started and timed, and what each must do.
#include "bench/SetupSides.h"

#include "bench/ProcessWatch.h"
#include "res/ProductInfo.h"
#include "res/resource.h"
#include "support/AddInClsid.h"
#include "tests/common/SetupKit.h"
#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <windows.h>

#include <commctrl.h>
#include <msi.h>

#include <algorithm>
#include <cstring>

namespace bench {

namespace {

const DWORD kStartTimeoutMs = 20000;
const DWORD kWorkTimeoutMs = 120000;  // 50 MiB installed under Wine takes well under this
const int kUninstallButton = 1006;
const char kFloorCaption[] = "FloorSetup";
const char kMsiProductCode[] = "{2496FC7C-FCF4-4A95-91EE-6075DD769040}";  // bench/peers/Mirel.wxs
const char kListKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel";
const char kHelperObjectKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\" MIREL_ADDIN_CLSID_TEXT;
const char kClassKey[] = "Software\\Classes\\CLSID\\" MIREL_ADDIN_CLSID_TEXT;
const char kSessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kLinkDescription[] = "ミレル環境設定";
const char kDisplayName[] = "ミレル";

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

Timing Failed(const std::string& why)
{
    Timing timing;
    timing.failure = why;
    return timing;
}

// Presses OK on the closing box and waits for the program to end.
void Finish(const driver::Program& program, HWND box)
{
    if (box != nullptr)
        driver::Click(::GetDlgItem(box, IDOK));
    program.WaitForExit(kStartTimeoutMs);
}

// A program with a question and a closing box: process start to the question, then Yes to
// the closing box, which must start with doneText.
Timing BetweenBoxes(const std::string& exe, const std::string& workDir,
                    const std::string& arguments, const char* caption, const char* doneText)
{
    const double start = Seconds();
    driver::Program program(exe, workDir, arguments);
    HWND ask = WaitForNewDialog(program.Pid(), {}, kStartTimeoutMs);
    const double asked = Seconds();
    if (ask == nullptr || driver::Text(ask) != caption) {
        if (ask != nullptr)
            driver::Click(::GetDlgItem(ask, IDNO));
        program.WaitForExit(kStartTimeoutMs);
        return Failed("no question from " + exe);
    }
    const double yes = Press(ask, IDYES);
    HWND done = WaitForNewDialog(program.Pid(), {ask}, kWorkTimeoutMs);
    const double end = Seconds();
    const bool succeeded = done != nullptr && StartsWith(BoxText(done), doneText);
    Finish(program, done);
    if (!succeeded)
        return Failed("no success message from " + exe);
    Timing timing;
    timing.ok = true;
    timing.parts = {asked - start, end - yes};
    timing.total = timing.parts[0] + timing.parts[1];
    return timing;
}

// Done, or done with the restart to finish it (3010, as an uninstaller whose own files are in use
// ends).
Timing Silent(const std::string& commandLine, const std::string& workDir)
{
    const TreeRun run = RunTree(commandLine, workDir, kWorkTimeoutMs);
    if (!run.ended || (run.exitCode != 0 && run.exitCode != ERROR_SUCCESS_REBOOT_REQUIRED))
        return Failed(commandLine + (run.ended ? " failed" : " did not end"));
    Timing timing;
    timing.ok = true;
    timing.total = run.seconds;
    timing.processes = run.processes;
    return timing;
}

// Mirel's uninstaller as the settings reach it: the installed program's sheet, the Main page's
// Uninstall button, its question, Yes, the completion message.
Timing UninstallThroughSheet(const BenchFolders& folders)
{
    const double start = Seconds();
    driver::Program program(folders.installed + "\\MirelSetup.exe", folders.installed);
    HWND sheet = WaitForNewDialog(program.Pid(), {}, kStartTimeoutMs);
    const double shown = Seconds();
    HWND page = sheet != nullptr ? driver::ShowPage(sheet, 0) : nullptr;
    HWND button = page != nullptr ? ::GetDlgItem(page, kUninstallButton) : nullptr;
    if (button == nullptr) {
        if (sheet != nullptr)
            driver::PressSheetButton(sheet, PSBTN_CANCEL);
        program.WaitForExit(kStartTimeoutMs);
        return Failed("the installed program shows no Uninstall button");
    }
    const double clicked = Seconds();
    driver::Click(button);
    HWND ask = WaitForNewDialog(program.Pid(), {sheet}, kStartTimeoutMs);
    const double asked = Seconds();
    if (ask == nullptr || driver::Text(ask) != kSettingsAppName)
        return Failed("no uninstall question");
    const double yes = Press(ask, IDYES);
    HWND done = WaitForNewDialog(program.Pid(), {sheet, ask}, kWorkTimeoutMs);
    const double end = Seconds();
    const bool completed = done != nullptr && StartsWith(BoxText(done), kUninstalledText);
    Finish(program, done);
    if (!completed)
        return Failed("no completion message from the uninstaller");
    Timing timing;
    timing.ok = true;
    timing.parts = {shown - start, asked - clicked, end - yes};
    timing.total = timing.parts[0] + timing.parts[1] + timing.parts[2];
    return timing;
}

// --- What a side must have done --------------------------------------------------------------

struct DistFile
{
    std::string name;
    ULONGLONG size;
};

std::vector<DistFile> FilesOf(const std::string& folder)
{
    std::vector<DistFile> files;
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return files;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back({entry.cFileName, (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) |
                                                  entry.nFileSizeLow});
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    return files;
}

bool SameFolder(std::string a, std::string b)
{
    while (!a.empty() && a.back() == '\\')
        a.pop_back();
    while (!b.empty() && b.back() == '\\')
        b.pop_back();
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool LinkIsRight(const std::string& link, const BenchFolders& folders)
{
    setupkit::LinkFields fields;
    return setupkit::ReadLink(link, &fields) &&
           lstrcmpiA(fields.target.c_str(), (folders.installed + "\\MirelSetup.exe").c_str()) ==
               0 &&
           SameFolder(fields.workingDirectory, folders.installed) &&
           fields.description == kLinkDescription;
}

}  // namespace

const char* SideName(Side side)
{
    static const char* const names[kSideCount] = {"Mirel",
                                                  "floor",
                                                  "NSIS",
                                                  "MSI",
                                                  "floor without its boxes",
                                                  "floor with Mirel's manifest",
                                                  "Mirel, through the sheet",
                                                  "Mirel unattended"};
    return names[side];
}

Timing Install(Side side, const BenchFolders& folders, const Distribution& distribution)
{
    switch (side) {
    case kMirel:
    case kMirelThroughSheet:
        return BetweenBoxes(distribution.dist + "\\installer.exe", distribution.dist, "",
                            kInstallerAppName, kSuccessText);
    case kMirelQuiet:
        return Silent(Quoted(distribution.dist + "\\installer.exe") + " /quiet", distribution.dist);
    case kFloor:
        return BetweenBoxes(folders.tools + "\\FloorSetup.exe", distribution.dist, "install",
                            kFloorCaption, "done");
    case kFloorSilent:
        return Silent(Quoted(folders.tools + "\\FloorSetup.exe") + " install /S",
                      distribution.dist);
    case kFloorManifest:
        return BetweenBoxes(folders.tools + "\\FloorSetupManifest.exe", distribution.dist,
                            "install", kFloorCaption, "done");
    case kNsis:
        return Silent(Quoted(distribution.peers + "\\nsis-setup.exe") + " /S", distribution.peers);
    case kMsi:
        return Silent("msiexec /i " + Quoted(distribution.peers + "\\mirel.msi") + " /qn",
                      distribution.peers);
    default:
        return Failed("no such side");
    }
}

Timing Uninstall(Side side, const BenchFolders& folders)
{
    switch (side) {
    case kMirel:
        // As the list of installed programs starts it: the entry's UninstallString.
        return BetweenBoxes(folders.installed + "\\MirelSetup.exe", folders.installed, "/uninstall",
                            kSettingsAppName, kUninstalledText);
    case kMirelThroughSheet:
        return UninstallThroughSheet(folders);
    case kMirelQuiet:
        // The list entry's QuietUninstallString.
        return Silent(Quoted(folders.installed + "\\MirelSetup.exe") + " /uninstall /quiet",
                      folders.installed);
    case kFloor:
        return BetweenBoxes(folders.tools + "\\FloorSetup.exe", folders.root, "uninstall",
                            kFloorCaption, "done");
    case kFloorSilent:
        return Silent(Quoted(folders.tools + "\\FloorSetup.exe") + " uninstall /S", folders.root);
    case kFloorManifest:
        return BetweenBoxes(folders.tools + "\\FloorSetupManifest.exe", folders.root, "uninstall",
                            kFloorCaption, "done");
    case kNsis:
        // As the list of installed programs starts it: the uninstaller copies itself away, starts
        // the copy and ends; the copy does the work.
        return Silent(Quoted(folders.installed + "\\uninstall.exe") + " /S", folders.root);
    case kMsi:
        return Silent(std::string("msiexec /x ") + kMsiProductCode + " /qn", folders.root);
    default:
        return Failed("no such side");
    }
}

std::vector<std::string> InstallationMisses(const BenchFolders& folders,
                                            const Distribution& distribution)
{
    std::vector<std::string> misses;
    bool filesRight = true;
    for (const DistFile& file : FilesOf(distribution.dist)) {
        const std::string name =
            lstrcmpiA(file.name.c_str(), "installer.exe") == 0 ? "MirelSetup.exe" : file.name;
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!::GetFileAttributesExA((folders.installed + "\\" + name).c_str(),
                                    GetFileExInfoStandard, &data) ||
            ((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) != file.size)
            filesRight = false;
    }
    if (!filesRight)
        misses.push_back("files");
    if (!LinkIsRight(setupkit::DesktopLink(), folders))
        misses.push_back("desktop shortcut");
    if (!LinkIsRight(setupkit::ProgramsLink(), folders))
        misses.push_back("Programs shortcut");
    if (!setupkit::RegistrationMismatch(folders.installed + "\\Mirel.DLL").empty())
        misses.push_back("registration");
    if (setupkit::UninstallEntryValue("DisplayName") != kDisplayName ||
        setupkit::UninstallEntryValue("DisplayVersion") != MIREL_VERSION ||
        setupkit::UninstallEntryValue("Publisher") != MIREL_PUBLISHER ||
        setupkit::UninstallEntryValue("URLInfoAbout") != MIREL_HOME_URL ||
        setupkit::UninstallEntryValue("UninstallString") !=
            Quoted(folders.installed + "\\MirelSetup.exe") + " /uninstall")
        misses.push_back("list entry");
    return misses;
}

std::vector<std::string> UninstallationLeftovers(const BenchFolders& folders)
{
    std::vector<std::string> leftovers;
    // What cannot go while it runs (Mirel's own program and module) may wait for the restart,
    // renamed out of the way ("mrl….tmp").
    for (const DistFile& file : FilesOf(folders.installed)) {
        if (file.name.rfind("mrl", 0) != 0 || file.name.find(".tmp") == std::string::npos) {
            leftovers.push_back("files");
            break;
        }
    }
    if (setupkit::Exists(setupkit::DesktopLink()) || setupkit::Exists(setupkit::ProgramsLink()))
        leftovers.push_back("shortcuts");
    if (setupkit::Exists(setupkit::ProgramsFolder()))
        leftovers.push_back("Programs folder");
    if (!setupkit::NothingRegistered())
        leftovers.push_back("registration");
    if (setupkit::HasUninstallEntry())
        leftovers.push_back("list entry");
    return leftovers;
}

void ClearInstallation(const BenchFolders& folders)
{
    // A package that failed to uninstall would turn the next installation into a repair.
    if (::MsiQueryProductStateA(kMsiProductCode) != INSTALLSTATE_UNKNOWN)
        RunTree(std::string("msiexec /x ") + kMsiProductCode + " /qn", folders.root,
                kWorkTimeoutMs);
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kClassKey);
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kHelperObjectKey);
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kListKey);
    ::DeleteFileA(setupkit::DesktopLink().c_str());
    setupkit::RemoveTree(setupkit::ProgramsFolder());
    setupkit::RemoveTree(folders.installed);
    // What uninstallers left for the restart: the files are gone already, and a growing list
    // would slow every later scheduling down.
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManagerKey, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        ::RegDeleteValueA(key, "PendingFileRenameOperations");
        ::RegCloseKey(key);
    }
}

}  // namespace bench
