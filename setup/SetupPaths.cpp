// The setup's decisions about names and paths, free of the platform so they are tested natively.
#include "SetupPaths.h"

#include "Mbcs.h"
#include "PathText.h"

#include <string.h>

const char kInstallerName[] = "installer.exe";

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The part of an absolute path after its root ("X:\" or "\\server\share\"), or nullptr when the
// path is the root itself.
const char* AfterRoot(const char* path)
{
    if (path[0] != '\\')
        return path + 3;
    const char* server = path + 2;
    const char* share = server + FindFirstChar(server, '\\') + 1;
    const int shareEnd = FindFirstChar(share, '\\');
    return shareEnd < 0 ? nullptr : share + shareEnd + 1;
}

}  // namespace

CString FileNameOfPath(const char* path)
{
    const int backslash = FindLastChar(path, '\\');
    const int slash = FindLastChar(path, '/');
    return CString(path + (backslash > slash ? backslash : slash) + 1);
}

bool IsInstallerName(const char* fileName)
{
    return CompareNamesIgnoreCase(fileName, kInstallerName) == 0;
}

bool IsDotOrDotDot(const char* name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

CString WorkingDirectoryOf(const char* target)
{
    const CString path(target);
    const int last = path.ReverseFind('\\');
    return last >= 0 ? path.Left(last) : path;
}

bool IsUsableInstallationDirectory(const char* directory)
{
    if (directory == nullptr || !IsAbsolutePath(directory))
        return false;
    const char* part = AfterRoot(directory);
    if (part == nullptr || *part == '\0')
        return false;
    // Every part a real folder name: not empty (which a trailing or doubled separator gives),
    // not "." and not "..".
    for (;;) {
        const char* end = part;
        while (*end != '\0' && !IsSeparator(*end))
            end += CharLength(end);
        const size_t length = static_cast<size_t>(end - part);
        if (length == 0 || (length == 1 && part[0] == '.') ||
            (length == 2 && part[0] == '.' && part[1] == '.'))
            return false;
        if (*end == '\0')
            return true;
        part = end + 1;
    }
}
