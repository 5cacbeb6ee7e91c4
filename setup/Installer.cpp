// The installer mode: the program started as "installer.exe" installs the add-in.
#include "Installer.h"

#include "AddInRegistration.h"
#include "InstalledFiles.h"
#include "Mirel.h"
#include "ScopedHandles.h"
#include "SetupPaths.h"
#include "Shortcuts.h"
#include "WinApp.h"

#include <shlobj.h>

namespace {

const char kInstalledProgramName[] = "MirelSetup.exe";
const char kOldModuleSuffix[] = "\\mirel.dll";
const char kSourcePattern[] = ".\\*.*";

const char kConfirmMessage[] =
    "インターネットエクスプローラ、エクスプローラ、「フォルダ」を開いている場合は全て終了してください。\n"
    "終了させた後に「はい」を選んでください\n"
    "(ミレルインストーラを起動するために開いた「フォルダ」ウインドウがある場合はそれも閉じてください)";
const char kAbortedMessage[] = "インストールは中断されました。";
const char kModuleInUseMessage[] =
    "起動中のエクスプローラ・インターネットエクスプローラ・「フォルダ」が見つかりました。\n"
    "全て終了させてから「はい」を選択してください。\n"
    "(ミレルインストーラを起動するために開いた「フォルダ」ウインドウがある場合はそれも閉じてください)\n"
    "\n"
    "エクスプローラ・インターネットエクスプローラを終了してもこのメッセージが表示される場合は「いいえ」を選択してください。";
const char kOldModuleKeptMessage[] =
    "古いモジュールの削除に失敗したため、インストールを中断しました。"
    "コンピュータを再起動した後、再度ミレルのインストールを行ってください。";
const char kSuccessMessage[] =
    "インストールが正常に終了しました。\n"
    "ミレルのカスタマイズはデスクトップの「ミレル環境設定」から行ってください。";

bool FileExists(const char* path)
{
    WIN32_FIND_DATAA entry;
    CFindHandle find(::FindFirstFileA(path, &entry));
    return find.IsValid();
}

// The module of an earlier installation is unregistered and deleted, asking the user to close
// the browsers while it is held. False when the user gives up.
bool RemoveOldModule(const CString& directory)
{
    CString oldModule(directory);
    oldModule += kOldModuleSuffix;
    if (!FileExists(oldModule))
        return true;
    UnregisterAddIn(FALSE);
    while (!DeleteInstalledFile(oldModule)) {
        if (AfxMessageBox(kModuleInUseMessage, MB_YESNO | MB_ICONEXCLAMATION, 0) != IDYES) {
            AfxMessageBox(kOldModuleKeptMessage, MB_OK, 0);
            return false;
        }
    }
    return true;
}

// One entry of the distribution folder into the installation directory; the installer itself
// becomes the settings program, whose shortcuts are made before it is copied.
void InstallEntry(const CString& directory, const char* name)
{
    CString destination;
    if (IsInstallerName(name)) {
        destination = StrFormat("%s\\%s", static_cast<const char*>(directory),
                                kInstalledProgramName);
        CreateShortcut(destination, CSIDL_DESKTOP);
        CreateShortcut(destination, CSIDL_PROGRAMS);
    } else {
        destination = StrFormat("%s\\%s", static_cast<const char*>(directory), name);
    }
    ReplaceInstalledFile(name, destination);  // a file that fails does not stop the rest
}

}  // namespace

int RunInstallerIfNamed()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0)
        return 1;
    // A path cut at the buffer's end is not the program's name, so not "installer.exe" either.
    if (length >= MAX_PATH || !IsInstallerName(FileNameOfPath(path)))
        return 0;

    if (AfxMessageBox(kConfirmMessage, MB_YESNOCANCEL | MB_ICONQUESTION, 0) != IDYES) {
        AfxMessageBox(kAbortedMessage, MB_OK | MB_ICONERROR, 0);
        return 1;
    }
    // A failed registration has shown its own message already.
    if (InstallFiles() != 0)
        AfxMessageBox(kSuccessMessage, MB_OK | MB_ICONINFORMATION, 0);
    return 1;
}

int InstallFiles()
{
    const CString directory = GetMirelDir();
    if (!IsUsableInstallationDirectory(directory))
        return 0;
    ::CreateDirectoryA(directory, nullptr);  // an existing directory is fine

    if (!RemoveOldModule(directory))
        return 0;

    // The distribution folder is the current directory; only its files, one level deep.
    WIN32_FIND_DATAA entry;
    CFindHandle find(::FindFirstFileA(kSourcePattern, &entry));
    if (!find.IsValid())
        return 0;
    do {
        if (IsDotOrDotDot(entry.cFileName) || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        InstallEntry(directory, entry.cFileName);
    } while (::FindNextFileA(find.Get(), &entry));

    return RegisterAddIn(FALSE);
}
