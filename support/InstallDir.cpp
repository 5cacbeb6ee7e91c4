// Where the add-in is installed: a folder of its own under Program Files.
#include "support/InstallDir.h"

#include "base/PathText.h"

#ifdef _WIN32
#include "framework/TextConversion.h"

#include <shlobj.h>
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
    // The shell's answer or none: the environment (ProgramFiles), which whoever starts the
    // program sets, must never decide where an elevated installer writes and what an
    // uninstaller empties, nor may a usual folder be guessed.
    wchar_t folder[MAX_PATH + 1] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT,
                                  folder)))
        return CString();
    CString narrow;
    return NarrowExactly(folder, narrow) ? InstallationDirectoryUnder(narrow) : CString();
}
#endif
