// Removing the add-in from the machine, from the Main page of the settings sheet or from
// Windows' list of installed programs.
#include "Uninstaller.h"

#include "AddInRegistration.h"
#include "ExactNames.h"
#include "InstalledFiles.h"
#include "Mirel.h"
#include "NameReport.h"
#include "SetupPaths.h"
#include "Shortcuts.h"
#include "UninstallEntry.h"
#include "WinApp.h"

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

// A file that cannot go now (the running settings program, the loaded Mirel.DLL, anything
// else held open) goes at the next restart, which the completion message asks for.
bool DeleteNowOrAtRestart(const char* path)
{
    return DeleteInstalledFile(path) ||
           ::MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

// Deletes every file directly inside directory, then the directory; what neither goes now nor
// is scheduled for the restart is listed in leftovers. A subdirectory stays with its content,
// and so does a file whose name could reach outside the directory. False when the directory
// itself stays.
bool RemoveDirectoryAndFiles(const CString& directory, CNameReport& leftovers)
{
    {
        CDirectoryEntries entries(directory);
        while (entries.Next()) {
            if (entries.IsDirectory() || !entries.IsNameSafe() ||
                !DeleteNowOrAtRestart(StrFormat("%s\\%s", static_cast<const char*>(directory),
                                                static_cast<const char*>(entries.Name()))))
                leftovers.Add(entries.Name());
        }
    }
    if (::RemoveDirectoryA(directory) || ::GetFileAttributesA(directory) == INVALID_FILE_ATTRIBUTES)
        return true;
    // Scheduled after its files, so the restart removes it once they are gone.
    return leftovers.IsEmpty() &&
           ::MoveFileExA(directory, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

CString IncompleteMessage(bool unregistered, const CString& directory,
                          const CNameReport& leftovers, bool directoryGone)
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

void Uninstall()
{
    if (AfxMessageBox(kConfirmMessage, MB_YESNO | MB_ICONQUESTION, 0) != IDYES)
        return;
    const bool unregistered = UnregisterAddIn(FALSE) != 0;
    RemoveShortcuts();
    RemoveUninstallEntry();

    const CString directory = GetMirelDir();
    CNameReport leftovers;
    // Never empty another folder than the add-in's own.
    const bool directoryGone = IsUsableInstallationDirectory(directory) &&
                               RemoveDirectoryAndFiles(directory, leftovers);
    if (unregistered && directoryGone)
        AfxMessageBox(kCompletedMessage, MB_OK | MB_ICONINFORMATION, 0);
    else
        AfxMessageBox(IncompleteMessage(unregistered, directory, leftovers, directoryGone),
                      MB_OK | MB_ICONERROR, 0);
    exit(-1);
}
