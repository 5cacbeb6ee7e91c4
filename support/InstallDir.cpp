// Where the add-in is installed: a folder of its own under Program Files.
#include "support/InstallDir.h"

#include "base/PathText.h"

#ifdef _WIN32
#include <shlobj.h>
#include <wchar.h>
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
namespace {

// The code page's form of wide, or an empty string when the code page cannot hold it exactly:
// read back, the form must give wide again, which a best-fit character ("é" as "e") does not.
CString NarrowOrEmpty(const wchar_t* wide)
{
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return CString();
    CString narrow;
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow.GetBuffer(size), size, nullptr, nullptr);
    narrow.ReleaseBuffer();
    wchar_t back[MAX_PATH + 1] = {};
    if (::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, narrow, -1, back, MAX_PATH + 1) == 0 ||
        wcscmp(back, wide) != 0)
        return CString();
    return narrow;
}

}  // namespace

CString InstallationDirectory()
{
    // The shell's answer or none: the environment (ProgramFiles), which whoever starts the
    // program sets, must never decide where an elevated installer writes and what an
    // uninstaller empties, nor may a usual folder be guessed.
    wchar_t folder[MAX_PATH + 1] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT,
                                  folder)))
        return CString();
    return InstallationDirectoryUnder(NarrowOrEmpty(folder));
}
#endif
