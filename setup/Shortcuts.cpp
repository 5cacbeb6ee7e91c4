// The settings program's shortcuts on the desktop and in the Programs menu folder "ミレル".
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

// The folder that holds the shortcut for a special folder: the Programs menu gets a subfolder.
CString ShortcutFolder(const char* specialFolder, int csidl)
{
    CString folder;
    if (csidl == CSIDL_PROGRAMS)
        folder.Format("%s\\%s", specialFolder, kProgramsSubfolder);
    else
        folder.Format("%s", specialFolder);
    return folder;
}

CString LinkPathIn(const char* folder)
{
    return StrFormat("%s\\%s.lnk", folder, kShortcutName);
}

}  // namespace

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

void CreateShortcut(CString target, int csidl)
{
    CString specialFolder;
    if (!SpecialFolderPath(csidl, specialFolder))
        return;
    const CString folder = ShortcutFolder(specialFolder, csidl);
    ::CreateDirectoryA(folder, nullptr);  // an existing folder is fine
    const CString linkPath = LinkPathIn(folder);
    const CString workingDirectory = WorkingDirectoryOf(target);

    // COM only for the span of this one link.
    CScopedComInit com;
    if (!com.Succeeded())
        return;
    CreateLink(linkPath, target, kLinkDescription, "", workingDirectory, nullptr, 0, SW_SHOWNORMAL);
}

void RemoveShortcuts()
{
    CString programs;
    if (SpecialFolderPath(CSIDL_PROGRAMS, programs)) {
        const CString folder = ShortcutFolder(programs, CSIDL_PROGRAMS);
        ::DeleteFileA(LinkPathIn(folder));
        ::RemoveDirectoryA(folder);  // stays when it holds anything else
    }
    CString desktop;
    if (SpecialFolderPath(CSIDL_DESKTOP, desktop))
        ::DeleteFileA(LinkPathIn(ShortcutFolder(desktop, CSIDL_DESKTOP)));
}
