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
    // True when anything was left to the restart.
    bool ScheduleForRestart(const CString& directory, CNameReport& leftovers) const
    {
        bool scheduledAny = false;
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
            if (::MoveFileExA(scheduled, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
                scheduledAny = true;
            else
                leftovers.Add(node->name);
        }
        return scheduledAny;
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
// itself stays; leftToRestart tells whether the restart has anything to remove.
bool RemoveDirectoryAndFiles(const CString& directory, CNameReport& leftovers, bool& leftToRestart)
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
    leftToRestart = held.ScheduleForRestart(directory, leftovers);
    if (::RemoveDirectoryA(directory) || ::GetFileAttributesA(directory) == INVALID_FILE_ATTRIBUTES)
        return true;
    // Scheduled after its files, so the restart removes it once they are gone.
    if (!leftovers.IsEmpty() || !::MoveFileExA(directory, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
        return false;
    leftToRestart = true;
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
    const bool unregistered = UnregisterAddIn(FALSE) != 0;
    RemoveShortcuts();
    RemoveUninstallEntry();

    const CString directory = GetMirelDir();
    CNameReport leftovers;
    bool leftToRestart = false;
    // Never empty another folder than the add-in's own.
    const bool directoryGone = IsUsableInstallationDirectory(directory) &&
                               RemoveDirectoryAndFiles(directory, leftovers, leftToRestart);
    if (unregistered && directoryGone) {
        AfxMessageBox(kCompletedMessage, MB_OK | MB_ICONINFORMATION, 0);
        return leftToRestart ? SetupOutcome::DoneAfterRestart : SetupOutcome::Done;
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
