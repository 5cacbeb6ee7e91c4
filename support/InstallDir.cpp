// Where the add-in is installed: a folder of its own under Program Files.
#include "support/InstallDir.h"

#include "base/PathText.h"

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#endif

namespace {
const char kInstallFolderName[] = "Mirel";
}

CString InstallationDirectoryUnder(const char* programFiles)
{
    if (programFiles == nullptr || !IsAbsolutePath(programFiles))
        return CString();
    CString directory(programFiles);
    if (!EndsWithBackslash(directory))
        directory += "\\";
    directory += kInstallFolderName;
    return directory;
}

#ifdef _WIN32
CString InstallationDirectory()
{
    char folder[MAX_PATH + 1] = {};
    if (SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT,
                                     folder))) {
        const CString directory = InstallationDirectoryUnder(folder);
        if (!directory.IsEmpty())
            return directory;
    }
    // Without the shell's answer: the environment's, and last the system drive's usual folder.
    const DWORD length = ::GetEnvironmentVariableA("ProgramFiles", folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const CString directory = InstallationDirectoryUnder(folder);
        if (!directory.IsEmpty())
            return directory;
    }
    return InstallationDirectoryUnder("C:\\Program Files");
}
#endif
