// Removing the add-in from the machine, from the Main page of the settings sheet or from
// Windows' list of installed programs.
#include "setup/Uninstaller.h"

#include "base/Mbcs.h"
#include "base/PathText.h"
#include "framework/WinApp.h"
#include "setup/AddInRegistration.h"
#include "setup/ExactNames.h"
#include "setup/InstalledFiles.h"
#include "setup/NameReport.h"
#include "setup/SetupPaths.h"
#include "setup/Shortcuts.h"
#include "setup/UninstallEntry.h"
#include "support/Mirel.h"

#include <stdlib.h>

namespace {

const char kConfirmMessage[] = "ミレルをアンインストールしてよろしいですか？";
const char kCompletedMessage[] =
    "アンインストールが完了しました。コンピュータを再起動してください。";
const char kIncompleteMessage[] = "アンインストールを完了できませんでした。\n";
const char kStillRegisteredMessage[] = "\nミレルの登録を解除できませんでした。\n";
const char kLeftoversMessage[] = "\n次のものが「%s」に残っています。\n%s";
const char kFolderLeftMessage[] = "\nフォルダ「%s」が残っています。\n";
const char kShortcutsLeftMessage[] = "\n次のショートカットを削除できませんでした。\n%s";
const char kEntryLeftMessage[] =
    "\nWindowsのインストールされているプログラムの一覧からミレルを削除できませんでした。\n";
const char kEntryKeptMessage[] =
    "\nもう一度アンインストールできるように、"
    "Windowsのインストールされているプログラムの一覧にミレルを残しています。\n";
const char kCodePageMessage[] =
    "このコンピュータの文字コードの設定では、ミレルのファイル名や表示を正しく扱えないため、"
    "アンインストールを中断しました。\n"
    "「地域」の設定で「Unicode 対応ではないプログラムの言語」を日本語にし、"
    "「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」をオフにしてから、"
    "再度アンインストールを行ってください。";
const char kProgramFilesUnknownMessage[] =
    "ミレルのインストール先(「Program Files」フォルダ)の場所をWindowsから正しく得られないため、"
    "アンインストールを中断しました。";
const char kLinkedDirectoryMessage[] =
    "インストール先のフォルダ「%s」は別の場所へのリンク(ジャンクションまたはシンボリックリンク)のため、"
    "アンインストールを中断しました。何も削除していません。\n"
    "リンクを削除し、リンク先のフォルダを「%s」に移してから、再度アンインストールを行ってください。";
const char kWhatToDoMessage[] =
    "\nエクスプローラ・インターネットエクスプローラを全て終了させてから再度アンインストールを行うか、"
    "残ったものを削除してください。";

// What a repeated removal runs: the program the list entry starts, and the module it loads.
const char* const kRepeatFiles[] = {kInstalledProgramName, "Mirel.DLL"};
const int kRepeatFileCount = sizeof(kRepeatFiles) / sizeof(kRepeatFiles[0]);

int RepeatFileIndex(const char* name)
{
    for (int i = 0; i < kRepeatFileCount; ++i) {
        if (CompareNamesIgnoreCase(name, kRepeatFiles[i]) == 0)
            return i;
    }
    return -1;
}

// True when nothing at all is at path; a path that is there but refuses to be looked at is not
// missing.
bool IsMissing(const char* path)
{
    if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// What became of the installation directory.
struct FolderRemoval
{
    FolderRemoval() : filesLeft(false), folderLeft(false), restartNeeded(false) {}

    CNameReport left;    // what stays in it, by the names it now has
    bool filesLeft;      // a file the removal acts on stays, or may: the removal is to be repeated
    bool folderLeft;     // the folder itself stays
    bool restartNeeded;  // something goes only at the restart
};

// A file that could not be deleted at once goes at the next restart, which the completion
// message asks for. Only a name of its own is ever scheduled: the file is first moved out of the
// way under a unique name in the same folder (a file in use may be renamed, not deleted), so a
// user who installs again before the restart keeps the new file of the same name. A file that
// cannot be moved stays unscheduled; one moved but not scheduled goes back to its name. What
// stays is named as it now is.
void LeaveToRestart(const CString& directory, const char* name, FolderRemoval& removal)
{
    const CString path = JoinPath(directory, name);
    char unique[MAX_PATH] = {};
    if (::GetTempFileNameA(directory, "mrl", 0, unique) != 0) {
        if (::MoveFileExA(path, unique, MOVEFILE_REPLACE_EXISTING)) {
            if (::MoveFileExA(unique, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
                removal.restartNeeded = true;
                return;
            }
            // GetTempFileName gives the directory's path and a name of its own in it.
            removal.left.Add(::MoveFileExA(unique, path, 0)
                                 ? name
                                 : unique + FindLastChar(unique, '\\') + 1);
            removal.filesLeft = true;
            return;
        }
        ::DeleteFileA(unique);
    }
    removal.left.Add(name);
    removal.filesLeft = true;
}

// Names collected during a listing and acted on once it is closed: moving a file while the
// listing runs might show it to the listing again under its new name.
class CNameList
{
public:
    CNameList() : m_first(nullptr) {}
    ~CNameList()
    {
        while (m_first != nullptr) {
            Node* next = m_first->next;
            delete m_first;
            m_first = next;
        }
    }
    CNameList(const CNameList&) = delete;
    CNameList& operator=(const CNameList&) = delete;

    void Add(const char* name) { m_first = new Node{CString(name), m_first}; }

    void LeaveAllToRestart(const CString& directory, FolderRemoval& removal) const
    {
        for (const Node* node = m_first; node != nullptr; node = node->next)
            LeaveToRestart(directory, node->name, removal);
    }

private:
    struct Node
    {
        CString name;
        Node* next;
    };
    Node* m_first;
};

// Deletes the files directly inside directory, at once or at the restart, then the directory.
// Subfolders, and files whose names could reach outside the directory, are never touched: they
// stay, named. The program and its module go last, and only when the rest is gone or scheduled
// and keepRepeatFiles is false: a removal that stays incomplete is repeated through them. A
// directory that exists but cannot be listed stays whole, and nothing is scheduled.
void RemoveInstallationFolder(const CString& directory, bool keepRepeatFiles,
                              FolderRemoval& removal)
{
    CString repeatFiles[kRepeatFileCount];  // by the names the listing gives them
    CNameList held;
    {
        CDirectoryEntries entries(directory);
        if (!entries.IsListed()) {
            if (!IsMissing(directory))
                removal.filesLeft = removal.folderLeft = true;
            return;
        }
        while (entries.Next()) {
            const int repeatIndex = RepeatFileIndex(entries.Name());
            if (entries.IsDirectory() || !entries.IsNameSafe())
                removal.left.Add(entries.Name());
            else if (repeatIndex >= 0)
                repeatFiles[repeatIndex] = entries.Name();
            else if (!DeleteInstalledFile(JoinPath(directory, entries.Name())))
                held.Add(entries.Name());
        }
    }
    held.LeaveAllToRestart(directory, removal);

    for (const CString& name : repeatFiles) {
        if (name.IsEmpty())
            continue;
        if (keepRepeatFiles || removal.filesLeft) {
            removal.left.Add(name);
            removal.filesLeft = true;
        } else if (!DeleteInstalledFile(JoinPath(directory, name))) {
            LeaveToRestart(directory, name, removal);  // when it stays, so does the next one
        }
    }

    if (removal.left.IsEmpty()) {
        if (::RemoveDirectoryA(directory) || IsMissing(directory))
            return;
        // Scheduled after its files, so the restart removes it once they are gone.
        if (::MoveFileExA(directory, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
            removal.restartNeeded = true;
            return;
        }
    }
    removal.folderLeft = true;
}

// Whether anything may be removed at all; when not, says why, and nothing has changed. Names
// read through another code page would not be the installation's own, an unknown directory
// cannot be emptied, and through a link the removal would empty another folder.
bool MayRemoveFrom(const CString& directory)
{
    if (!SystemCodePageIsJapanese()) {
        AfxMessageBox(kCodePageMessage, MB_OK | MB_ICONERROR, 0);
        return false;
    }
    if (directory.IsEmpty()) {
        AfxMessageBox(kProgramFilesUnknownMessage, MB_OK | MB_ICONERROR, 0);
        return false;
    }
    if (IsLinkOrJunction(directory)) {
        const char* text = directory;
        AfxMessageBox(StrFormat(kLinkedDirectoryMessage, text, text), MB_OK | MB_ICONERROR, 0);
        return false;
    }
    return true;
}

}  // namespace

SetupOutcome RemoveAddIn()
{
    const CString directory = GetMirelDir();
    if (!MayRemoveFrom(directory))
        return SetupOutcome::Failed;
    const bool unregistered = RemoveAddInRegistration();
    CNameReport shortcutsLeft;
    RemoveShortcuts(shortcutsLeft);

    // Never empty another folder than the add-in's own.
    FolderRemoval folder;
    if (IsUsableInstallationDirectory(directory))
        RemoveInstallationFolder(directory, !unregistered, folder);
    else
        folder.filesLeft = folder.folderLeft = true;

    // Last, and only when nothing is left to repeat: the entry starts the repeat.
    const bool repeatable = !unregistered || folder.filesLeft;
    const bool entryGone = repeatable ? !HasUninstallEntry() : RemoveUninstallEntry();

    if (unregistered && !folder.folderLeft && shortcutsLeft.IsEmpty() && entryGone) {
        AfxMessageBox(kCompletedMessage, MB_OK | MB_ICONINFORMATION, 0);
        return folder.restartNeeded ? SetupOutcome::DoneAfterRestart : SetupOutcome::Done;
    }
    CString text(kIncompleteMessage);
    if (!unregistered)
        text += kStillRegisteredMessage;
    if (!folder.left.IsEmpty())
        text += StrFormat(kLeftoversMessage, static_cast<const char*>(directory),
                          static_cast<const char*>(folder.left.Lines()));
    else if (folder.folderLeft)
        text += StrFormat(kFolderLeftMessage, static_cast<const char*>(directory));
    if (!shortcutsLeft.IsEmpty())
        text += StrFormat(kShortcutsLeftMessage, static_cast<const char*>(shortcutsLeft.Lines()));
    if (!entryGone)
        text += repeatable ? kEntryKeptMessage : kEntryLeftMessage;
    text += kWhatToDoMessage;
    AfxMessageBox(text, MB_OK | MB_ICONERROR, 0);
    return SetupOutcome::Failed;
}

void Uninstall()
{
    if (AfxMessageBox(kConfirmMessage, MB_YESNO | MB_ICONQUESTION, 0) != IDYES)
        return;
    RemoveAddIn();
    exit(-1);
}
