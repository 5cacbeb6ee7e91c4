// Platform-free reading of Windows path text in the system code page.
#include "base/PathText.h"

#include "base/Mbcs.h"

CString JoinPath(const char* folder, const char* name)
{
    CString path(folder);
    path += "\\";
    path += name;
    return path;
}

bool EndsWithBackslash(const char* path)
{
    const int last = FindLastChar(path, '\\');
    return last >= 0 && path[last + 1] == '\0';
}

bool IsAbsolutePath(const char* path)
{
    const unsigned char drive = static_cast<unsigned char>(path[0]);
    const bool isLetter = (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
    if (isLetter && path[1] == ':' && path[2] == '\\')
        return true;
    // "\\server\share": two backslashes, a server name, a backslash, a share name.
    if (path[0] == '\\' && path[1] == '\\' && path[2] != '\0' && path[2] != '\\') {
        const char* server = path + 2;
        const int separator = FindFirstChar(server, '\\');
        return separator > 0 && server[separator + 1] != '\0' && server[separator + 1] != '\\';
    }
    return false;
}
