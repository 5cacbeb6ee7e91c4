// The installer mode: the program started as "installer.exe" installs the add-in.
#include "setup/Installer.h"

#include "base/PathText.h"
#include "framework/ScopedHandles.h"
#include "framework/WinApp.h"
#include "setup/AddInRegistration.h"
#include "setup/ExactNames.h"
#include "setup/InstalledFiles.h"
#include "setup/NameReport.h"
#include "setup/SetupPaths.h"
#include "setup/Shortcuts.h"
#include "setup/UninstallEntry.h"
#include "support/Mirel.h"

#include <shlobj.h>

namespace {

// The module of an earlier installation, in the letter case older releases gave it.
const char kOldModuleName[] = "mirel.dll";

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
const char kCopyFailedMessage[] =
    "次のファイルをインストール先「%s」にコピーできなかったため、インストールは完了していません。\n"
    "\n"
    "%s"
    "\n"
    "これらのファイルを使っているプログラムを全て終了させてから、再度ミレルのインストールを行ってください。";
const char kShortcutFailedMessage[] =
    "次のショートカットを作成できなかったため、インストールは完了していません。\n"
    "\n"
    "%s"
    "\n"
    "同じ名前のファイルやフォルダがある場合は削除してから、再度ミレルのインストールを行ってください。";
const char kDirectoryBlockedMessage[] =
    "インストール先のフォルダ「%s」を作成できないか、書き込みできないため、インストールを中断しました。\n"
    "同じ名前のファイルがある場合は削除してください。"
    "installer.exeを右クリックして「管理者として実行」を選び、再度ミレルのインストールを行ってください。";
const char kSourceFolderMessage[] =
    "インストーラのあるフォルダの名前に、このコンピュータで扱えない文字が含まれているため、"
    "インストールを中断しました。\n"
    "フォルダごと別の場所(例えば C:\\mirel)に移してから、再度ミレルのインストールを行ってください。";
const char kEntryFailedMessage[] =
    "インストールは終了しましたが、Windowsのインストールされているプログラムの一覧にミレルを登録できませんでした。\n"
    "ミレルのアンインストールはデスクトップの「ミレル環境設定」から行ってください。";
const char kCodePageMessage[] =
    "このコンピュータの文字コードの設定では、ミレルのファイル名や表示を正しく扱えないため、"
    "インストールを中断しました。\n"
    "「地域」の設定で「Unicode 対応ではないプログラムの言語」を日本語にし、"
    "「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」をオフにしてから、"
    "再度ミレルのインストールを行ってください。";
const char kProgramFilesUnknownMessage[] =
    "インストール先の「Program Files」フォルダの場所をWindowsから正しく得られないため、"
    "インストールを中断しました。";
const char kLinkedDirectoryMessage[] =
    "インストール先のフォルダ「%s」は別の場所へのリンク(ジャンクションまたはシンボリックリンク)のため、"
    "インストールを中断しました。\n"
    "リンクを削除してから、再度ミレルのインストールを行ってください。";

// Creates the directory when missing and proves that it takes a new file: a user without
// administrator rights, or a file of that name in the way, makes it fail before anything else
// has changed. The probe has a name of its own, so nothing placed in the folder beforehand is
// ever opened.
bool CreateWritableDirectory(const CString& directory)
{
    ::CreateDirectoryA(directory, nullptr);  // an existing directory is fine
    CString probe;
    const HANDLE file = CreateUniqueFile(
        directory, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, probe);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);  // and with it the probe
    return true;
}

// True while another program has the file in use (a browser that has loaded the module): it can
// then be neither written nor deleted.
bool IsHeldByAnotherProgram(const char* path)
{
    const HANDLE file =
        ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    ::CloseHandle(file);
    return false;
}

// Asks the user to close the browsers. False when they give up, which has been reported.
bool UserFreedTheModule()
{
    if (AfxMessageBox(kModuleInUseMessage, MB_YESNO | MB_ICONEXCLAMATION, 0) == IDYES)
        return true;
    AfxMessageBox(kOldModuleKeptMessage, MB_OK, 0);
    return false;
}

// The module of an earlier installation is unregistered and deleted, asking the user to close
// the browsers while it is held. False when the user gives up.
bool RemoveOldModule(const CString& directory)
{
    const CString oldModule = JoinPath(directory, kOldModuleName);
    // A folder of that name is no module: the copy of the new one reports it.
    const DWORD attributes = ::GetFileAttributesA(oldModule);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    // Unregistered while a browser holds it, the add-in would be switched off for nothing: the
    // browsers go first, so that giving up leaves the add-in as it was.
    while (IsHeldByAnotherProgram(oldModule)) {
        if (!UserFreedTheModule())
            return false;
    }
    UnregisterOldAddIn();
    while (!DeleteInstalledFile(oldModule)) {
        if (!UserFreedTheModule())
            return false;
    }
    return true;
}

// The settings program's two shortcuts, in the folders all users share: the installation is
// the machine's, and every user has settings of their own to reach. What could not be made is
// named in failed.
void CreateShortcuts(const CString& program, CNameReport& failed)
{
    static const int kFolders[] = {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS};
    for (const int csidl : kFolders) {
        CString linkPath;
        if (FAILED(CreateShortcut(program, csidl, linkPath)))
            failed.Add(linkPath);
    }
}

// One file of the distribution folder into the installation directory; the installer itself
// becomes the settings program, whose shortcuts are made before it is copied.
bool InstallEntry(const CString& source, const CString& directory, const char* name,
                  CNameReport& shortcutsFailed)
{
    CString destination;
    if (IsInstallerName(name)) {
        destination = JoinPath(directory, kInstalledProgramName);
        CreateShortcuts(destination, shortcutsFailed);
    } else {
        destination = JoinPath(directory, name);
    }
    return ReplaceInstalledFile(JoinPath(source, name), destination);
}

// Replaces an older module, copies every file of the folder source into the installation
// directory (the installer itself as "MirelSetup.exe", with its two shortcuts), registers the
// add-in and lists it among the installed programs. Done when all of that succeeded; Failed when
// anything failed or the user gave up, which has then been reported.
SetupOutcome InstallFiles(const char* source)
{
    const CString directory = GetMirelDir();
    if (directory.IsEmpty()) {
        AfxMessageBox(kProgramFilesUnknownMessage, MB_OK | MB_ICONERROR, 0);
        return SetupOutcome::Failed;
    }
    // Through a link the files would go into another folder, which the uninstaller would empty.
    if (IsLinkOrJunction(directory)) {
        AfxMessageBox(StrFormat(kLinkedDirectoryMessage, static_cast<const char*>(directory)),
                      MB_OK | MB_ICONERROR, 0);
        return SetupOutcome::Failed;
    }
    if (!IsUsableInstallationDirectory(directory) || !CreateWritableDirectory(directory)) {
        AfxMessageBox(StrFormat(kDirectoryBlockedMessage, static_cast<const char*>(directory)),
                      MB_OK | MB_ICONERROR, 0);
        return SetupOutcome::Failed;
    }
    if (!RemoveOldModule(directory))
        return SetupOutcome::Failed;

    // The distribution folder: its files, one level deep. A name that could reach outside
    // either folder is not acted on, only reported.
    CNameReport failed;
    CNameReport shortcutsFailed;
    unsigned long long installedBytes = 0;
    CDirectoryEntries entries(source);
    if (!entries.IsListed())
        failed.Add(source);
    while (entries.Next()) {
        if (entries.IsDirectory())
            continue;
        if (entries.IsNameSafe() &&
            InstallEntry(source, directory, entries.Name(), shortcutsFailed))
            installedBytes += entries.Size();
        else
            failed.Add(entries.Name());
    }

    const int registered = RegisterAddIn(FALSE);  // a failure has shown its own message
    if (!failed.IsEmpty()) {
        AfxMessageBox(StrFormat(kCopyFailedMessage, static_cast<const char*>(directory),
                                static_cast<const char*>(failed.Lines())),
                      MB_OK | MB_ICONERROR, 0);
    }
    // The success message sends the user to the desktop shortcut: without it, no success.
    if (!shortcutsFailed.IsEmpty()) {
        AfxMessageBox(StrFormat(kShortcutFailedMessage,
                                static_cast<const char*>(shortcutsFailed.Lines())),
                      MB_OK | MB_ICONERROR, 0);
    }
    if (!failed.IsEmpty() || !shortcutsFailed.IsEmpty() || registered == 0)
        return SetupOutcome::Failed;
    if (!WriteUninstallEntry(directory, installedBytes)) {
        AfxMessageBox(kEntryFailedMessage, MB_OK | MB_ICONEXCLAMATION, 0);
        return SetupOutcome::Failed;
    }
    return SetupOutcome::Done;
}

}  // namespace

bool RunInstallerIfNamed(SetupOutcome& outcome)
{
    outcome = SetupOutcome::Failed;
    // Read wide: the folder is where the installation's files come from, and a path the code
    // page could only approximate would name another folder.
    wchar_t widePath[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, widePath, MAX_PATH);
    if (length == 0)
        return true;
    // A path cut at the buffer's end is not the program's name, so not "installer.exe" either.
    if (length >= MAX_PATH)
        return false;
    // The name decides the mode by itself, read wide: whether the code page can hold the path
    // is the installer's own question, to be answered with a message.
    if (!IsInstallerPath(widePath))
        return false;
    if (!SystemCodePageIsJapanese()) {
        AfxMessageBox(kCodePageMessage, MB_OK | MB_ICONERROR, 0);
        return true;
    }
    CString path;
    if (!NarrowExactly(widePath, path)) {
        AfxMessageBox(kSourceFolderMessage, MB_OK | MB_ICONERROR, 0);
        return true;
    }

    if (AfxMessageBox(kConfirmMessage, MB_YESNOCANCEL | MB_ICONQUESTION, 0) != IDYES) {
        AfxMessageBox(kAbortedMessage, MB_OK | MB_ICONERROR, 0);
        return true;
    }
    // A failed installation has said so already.
    outcome = InstallFiles(WorkingDirectoryOf(path));
    if (outcome == SetupOutcome::Done)
        AfxMessageBox(kSuccessMessage, MB_OK | MB_ICONINFORMATION, 0);
    return true;
}
