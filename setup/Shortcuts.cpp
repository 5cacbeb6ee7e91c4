// The settings program's shortcuts on the desktop and in the Programs menu folder "ミレル", in
// the folders every user of the machine shares.
#include "setup/Shortcuts.h"

#include "framework/ScopedHandles.h"
#include "setup/ExactNames.h"
#include "setup/SetupPaths.h"
#include "support/Mirel.h"

#include <shlobj.h>

namespace {

const char kShortcutName[] = "ミレル環境設定(アンインストールもこちらから)";
const char kLinkDescription[] = "ミレル環境設定";
const char kProgramsSubfolder[] = "ミレル";

// The shell link's class, defined here: the system's uuid library keeps it in one object with
// thousands of others, which would more than double the program's size. The interfaces' IDs
// come from their declarations (__uuidof), which emit only the ones used.
const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Where the shortcuts are removed from: the folders all users share, where the installer puts
// them, and the installing user's own, where earlier releases put them (which left every other
// user of the machine without a way to the settings).
const int kShortcutFolders[] = {CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_DESKTOPDIRECTORY,
                                CSIDL_PROGRAMS, CSIDL_DESKTOP};

bool IsProgramsMenu(int csidl)
{
    return csidl == CSIDL_PROGRAMS || csidl == CSIDL_COMMON_PROGRAMS;
}

// The folder that holds the shortcut for a special folder: the Programs menu gets a subfolder.
CString ShortcutFolder(const char* specialFolder, int csidl)
{
    CString folder;
    if (IsProgramsMenu(csidl))
        folder.Format("%s\\%s", specialFolder, kProgramsSubfolder);
    else
        folder.Format("%s", specialFolder);
    return folder;
}

CString LinkPathIn(const char* folder)
{
    return StrFormat("%s\\%s.lnk", folder, kShortcutName);
}

// Deletes the shortcut in one special folder, and the Programs menu's subfolder when it is then
// empty (it stays when it holds anything else). False, and the link named, when it stays. A
// folder whose path cannot be had exactly holds no shortcut of ours: the installer makes none
// there.
bool RemoveShortcutFrom(int csidl, CNameReport& left)
{
    CString specialFolder;
    if (!SpecialFolderPath(csidl, specialFolder))
        return true;
    const CString folder = ShortcutFolder(specialFolder, csidl);
    const CString linkPath = LinkPathIn(folder);
    const bool removed =
        ::DeleteFileA(linkPath) || ::GetFileAttributesA(linkPath) == INVALID_FILE_ATTRIBUTES;
    if (!removed)
        left.Add(linkPath);
    if (IsProgramsMenu(csidl))
        ::RemoveDirectoryA(folder);
    return removed;
}

// Writes one shell link file at linkPath (replacing one that is there). COM must already be
// entered on this thread. Returns the HRESULT of the save, or of the first step that failed;
// a linkPath that does not fit MAX_PATH wide characters fails without saving.
HRESULT CreateLink(const char* linkPath, const char* target, const char* description,
                   const char* arguments, const char* workingDirectory, const char* iconPath,
                   int iconIndex, int showCommand)
{
    CScopedInterface<IShellLinkA> link;
    HRESULT hr = ::CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                    __uuidof(IShellLinkA), link.Receive());
    if (FAILED(hr))
        return hr;
    CScopedInterface<IPersistFile> file;
    hr = link->QueryInterface(__uuidof(IPersistFile), file.Receive());
    if (FAILED(hr))
        return hr;

    link->SetPath(target);
    link->SetDescription(description);
    link->SetArguments(arguments);
    link->SetWorkingDirectory(workingDirectory);
    link->SetIconLocation(iconPath, iconIndex);
    link->SetShowCmd(showCommand);

    // A path that does not fit would be saved cut short, somewhere else: refuse it instead.
    wchar_t widePath[MAX_PATH] = {};
    if (::MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH) == 0) {
        const DWORD error = ::GetLastError();
        return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    return file->Save(widePath, TRUE);
}

}  // namespace

HRESULT CreateShortcut(CString target, int csidl, CString& linkPath)
{
    // A path the code page holds only approximately is shown, never written to.
    CString specialFolder;
    const bool exact = SpecialFolderPath(csidl, specialFolder);
    const CString folder = ShortcutFolder(specialFolder, csidl);
    linkPath = specialFolder.IsEmpty() ? StrFormat("%s.lnk", kShortcutName) : LinkPathIn(folder);
    if (!exact)
        return E_FAIL;
    ::CreateDirectoryA(folder, nullptr);  // an existing folder is fine
    const CString workingDirectory = WorkingDirectoryOf(target);

    // COM only for the span of this one link.
    CScopedComInit com;
    if (!com.Succeeded())
        return E_FAIL;
    return CreateLink(linkPath, target, kLinkDescription, "", workingDirectory, nullptr, 0,
                      SW_SHOWNORMAL);
}

bool RemoveShortcuts(CNameReport& left)
{
    bool removed = true;
    for (const int csidl : kShortcutFolders)
        removed = RemoveShortcutFrom(csidl, left) && removed;
    return removed;
}
