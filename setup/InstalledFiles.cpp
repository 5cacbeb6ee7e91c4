// Replacing and deleting files in the add-in's own installation directory.
#include "setup/InstalledFiles.h"

#include <windows.h>

namespace {

void ClearReadOnly(const char* path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY);
}

}  // namespace

bool ReplaceInstalledFile(const char* source, const char* destination)
{
    // A read-only destination is cleared only when the copy needs it: asking a new file's
    // attributes first costs a folder scan under Wine, for every file of the distribution.
    if (!::CopyFileA(source, destination, FALSE)) {
        ClearReadOnly(destination);
        if (!::CopyFileA(source, destination, FALSE))
            return false;
    }
    ClearReadOnly(destination);
    return true;
}

bool DeleteInstalledFile(const char* path)
{
    ClearReadOnly(path);
    return ::DeleteFileA(path) != FALSE;
}
