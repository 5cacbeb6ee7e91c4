// Replacing and deleting files in the add-in's own installation directory.
#include "setup/InstalledFiles.h"

#include "base/Mbcs.h"
#include "base/PathText.h"

namespace {

// Enough to get past names left by earlier runs; a full folder fails instead of looping.
const int kUniqueNameAttempts = 64;

void ClearReadOnly(const char* path)
{
    // Never through a link: its target's attributes are not the installation's.
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        ::SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY);
}

// Renames copy over destination. A read-only file refuses to be replaced: cleared, it is tried
// once more.
bool MoveOver(const char* copy, const char* destination)
{
    if (::MoveFileExA(copy, destination, MOVEFILE_REPLACE_EXISTING))
        return true;
    ClearReadOnly(destination);
    return ::MoveFileExA(copy, destination, MOVEFILE_REPLACE_EXISTING) != FALSE;
}

// Whether anything has the name path, a link included: a listing names a link without following
// it. A name that cannot be looked up counts as taken.
bool IsNameTaken(const char* path)
{
    WIN32_FIND_DATAA entry;
    const HANDLE find = ::FindFirstFileA(path, &entry);
    if (find == INVALID_HANDLE_VALUE)
        return ::GetLastError() != ERROR_FILE_NOT_FOUND;
    ::FindClose(find);
    return true;
}

}  // namespace

bool ReplaceInstalledFile(const char* source, const char* destination)
{
    // Copied beside the destination under a new name, then renamed over it: a rename replaces
    // whatever has the destination's name, a link included, where a copy onto a link would
    // write into the file it points to, anywhere on the machine.
    const int folderEnd = FindLastChar(destination, '\\');
    if (folderEnd < 0)
        return false;
    // Where nothing has the name yet, as in a first installation, the copy makes a new file in
    // place, and fails should anything take the name meanwhile.
    if (!IsNameTaken(destination)) {
        if (!::CopyFileA(source, destination, TRUE))
            return false;
        ClearReadOnly(destination);  // the copy of a read-only source is read-only too
        return true;
    }
    CString copy;
    const HANDLE reserved = CreateUniqueFile(CString(destination, folderEnd), 0, copy);
    if (reserved == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(reserved);
    if (!::CopyFileA(source, copy, FALSE) || !MoveOver(copy, destination)) {
        ::DeleteFileA(copy);
        return false;
    }
    ClearReadOnly(destination);  // the copy of a read-only source is read-only too
    return true;
}

bool DeleteInstalledFile(const char* path)
{
    ClearReadOnly(path);
    return ::DeleteFileA(path) != FALSE;
}

HANDLE CreateUniqueFile(const char* directory, DWORD flags, CString& path)
{
    // Another start in every process and at every moment, then the next names in turn. Short,
    // so that a directory near the path limit still takes it. New only, and a link is opened
    // as itself: never a file that somebody else placed or pointed to.
    unsigned number = static_cast<unsigned>(::GetCurrentProcessId() * 7919u ^ ::GetTickCount());
    for (int attempt = 0; attempt < kUniqueNameAttempts; ++attempt, ++number) {
        CString name;
        name.Format("~mrl%04x.tmp", number & 0xFFFFu);
        path = JoinPath(directory, name);
        const HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | flags,
                                          nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    path.Empty();
    return INVALID_HANDLE_VALUE;
}

bool IsLinkOrJunction(const char* path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}
