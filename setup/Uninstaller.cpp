// Removing the add-in from the machine, from the Main page of the settings sheet.
#include "Uninstaller.h"

#include "AddInRegistration.h"
#include "InstalledFiles.h"
#include "Mirel.h"
#include "ScopedHandles.h"
#include "SetupPaths.h"
#include "Shortcuts.h"
#include "WinApp.h"

#include <stdlib.h>

namespace {

const char kConfirmMessage[] = "ミレルをアンインストールしてよろしいですか？";
const char kCompletedMessage[] =
    "アンインストールが完了しました。コンピュータを再起動してください。";

// Deletes every file directly inside directory. What cannot go now (the running settings
// program, the loaded Mirel.DLL, anything else held open) is left to the next restart, which
// the completion message asks for. True when nothing but such files stands in the way of
// removing the directory: no subdirectory, which stays with its content.
bool DeleteFilesOf(const CString& directory)
{
    bool onlyFiles = true;
    WIN32_FIND_DATAA entry;
    CFindHandle find(::FindFirstFileA(StrFormat("%s\\*.*", static_cast<const char*>(directory)),
                                      &entry));
    if (!find.IsValid())
        return onlyFiles;
    do {
        if (IsDotOrDotDot(entry.cFileName))
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            onlyFiles = false;
            continue;
        }
        const CString path = StrFormat("%s\\%s", static_cast<const char*>(directory),
                                       entry.cFileName);
        if (!DeleteInstalledFile(path))
            ::MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    } while (::FindNextFileA(find.Get(), &entry));
    return onlyFiles;
}

void RemoveInstallationDirectory()
{
    const CString directory = GetMirelDir();
    // Never empty another folder than the add-in's own.
    if (!IsUsableInstallationDirectory(directory))
        return;
    const bool onlyFiles = DeleteFilesOf(directory);
    // Scheduled after its files, so the restart removes it once they are gone.
    if (!::RemoveDirectoryA(directory) && onlyFiles &&
        ::GetFileAttributesA(directory) != INVALID_FILE_ATTRIBUTES)
        ::MoveFileExA(directory, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace

void Uninstall()
{
    if (AfxMessageBox(kConfirmMessage, MB_YESNO | MB_ICONQUESTION, 0) != IDYES)
        return;
    UnregisterAddIn(FALSE);
    RemoveShortcuts();
    RemoveInstallationDirectory();
    AfxMessageBox(kCompletedMessage, MB_OK | MB_ICONINFORMATION, 0);
    exit(-1);
}
