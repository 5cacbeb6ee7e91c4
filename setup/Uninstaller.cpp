// Removing the add-in from the machine, from the Main page of the settings sheet or from
// Windows' list of installed programs.
#include "setup/Uninstaller.h"

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

// Files that could not be deleted at once, kept until the listing of their folder is closed:
// moving them while it runs might show them to it again under their new names.
class CHeldFiles
{
public:
    CHeldFiles() : m_first(nullptr) {}
    ~CHeldFiles()
    {
        while (m_first != nullptr) {
            Node* next = m_first->next;
            delete m_first;
            m_first = next;
        }
    }
    CHeldFiles(const CHeldFiles&) = delete;
    CHeldFiles& operator=(const CHeldFiles&) = delete;

    void Add(const char* name) { m_first = new Node{CString(name), m_first}; }

    // Each file goes at the next restart, which the completion message asks for. It is first
    // moved out of the way under a name of its own in the same folder (a file in use may be
    // renamed, not deleted): a user who installs again before the restart must not lose the
    // new files of the same names to this schedule. What cannot be scheduled is a leftover.
    void ScheduleForRestart(const CString& directory, CNameReport& leftovers) const
    {
        for (const Node* node = m_first; node != nullptr; node = node->next) {
            const CString path = JoinPath(directory, node->name);
            char unique[MAX_PATH] = {};
            const char* scheduled = path;
            if (::GetTempFileNameA(directory, "mrl", 0, unique) != 0) {
                if (::MoveFileExA(path, unique, MOVEFILE_REPLACE_EXISTING))
                    scheduled = unique;
                else
                    ::DeleteFileA(unique);
            }
            if (!::MoveFileExA(scheduled, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
                leftovers.Add(node->name);
        }
    }

private:
    struct Node
    {
        CString name;
        Node* next;
    };
    Node* m_first;
};

// Deletes every file directly inside directory, then the directory; what neither goes now nor
// is scheduled for the restart is listed in leftovers. A subdirectory stays with its content,
// and so does a file whose name could reach outside the directory. False when the directory
// itself stays.
bool RemoveDirectoryAndFiles(const CString& directory, CNameReport& leftovers)
{
    CHeldFiles held;
    {
        CDirectoryEntries entries(directory);
        while (entries.Next()) {
            if (entries.IsDirectory() || !entries.IsNameSafe())
                leftovers.Add(entries.Name());
            else if (!DeleteInstalledFile(JoinPath(directory, entries.Name())))
                held.Add(entries.Name());
        }
    }
    held.ScheduleForRestart(directory, leftovers);
    if (::RemoveDirectoryA(directory) || ::GetFileAttributesA(directory) == INVALID_FILE_ATTRIBUTES)
        return true;
    // Scheduled after its files, so the restart removes it once they are gone.
    return leftovers.IsEmpty() &&
           ::MoveFileExA(directory, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
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

CString IncompleteMessage(bool unregistered, const CString& directory, const CNameReport& leftovers,
                          bool directoryGone)
{
    CString text(kIncompleteMessage);
    if (!unregistered)
        text += kStillRegisteredMessage;
    if (!leftovers.IsEmpty())
        text += StrFormat(kLeftoversMessage, static_cast<const char*>(directory),
                          static_cast<const char*>(leftovers.Lines()));
    else if (!directoryGone)
        text += StrFormat(kFolderLeftMessage, static_cast<const char*>(directory));
    text += kWhatToDoMessage;
    return text;
}

}  // namespace

SetupOutcome RemoveAddIn()
{
    const CString directory = GetMirelDir();
    if (!MayRemoveFrom(directory))
        return SetupOutcome::Failed;
    const bool unregistered = UnregisterAddIn(FALSE) != 0;
    RemoveShortcuts();
    RemoveUninstallEntry();

    CNameReport leftovers;
    // Never empty another folder than the add-in's own.
    const bool directoryGone =
        IsUsableInstallationDirectory(directory) && RemoveDirectoryAndFiles(directory, leftovers);
    if (unregistered && directoryGone) {
        AfxMessageBox(kCompletedMessage, MB_OK | MB_ICONINFORMATION, 0);
        return SetupOutcome::DoneAfterRestart;
    }
    AfxMessageBox(IncompleteMessage(unregistered, directory, leftovers, directoryGone),
                  MB_OK | MB_ICONERROR, 0);
    return SetupOutcome::Failed;
}

void Uninstall()
{
    if (AfxMessageBox(kConfirmMessage, MB_YESNO | MB_ICONQUESTION, 0) != IDYES)
        return;
    RemoveAddIn();
    exit(-1);
}
