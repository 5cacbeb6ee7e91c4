// The setup's decisions about names and paths, free of the platform so they are tested natively.
#include "setup/SetupPaths.h"

#include "base/Mbcs.h"
#include "base/PathText.h"

#include <string.h>

const char kInstalledProgramName[] = "MirelSetup.exe";

namespace {

// The name under which the program installs.
const char kInstallerName[] = "installer.exe";

// The entries "." and ".." of a directory listing (an exact byte comparison).
bool IsDotOrDotDot(const char* name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

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

// A name Windows takes for a device whatever follows it after a dot: "nul.txt" and "Com1 .log"
// open the null device and the serial port, not a file of the folder.
bool IsDeviceName(const char* name)
{
    // The part before the first dot, without the blanks Windows drops from its end.
    int length = FindFirstChar(name, '.');
    if (length < 0)
        length = static_cast<int>(strlen(name));
    while (length > 0 && name[length - 1] == ' ')
        --length;
    if (length == 3) {
        const CString base(name, 3);
        static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
        for (const char* device : kDevices) {
            if (CompareNamesIgnoreCase(base, device) == 0)
                return true;
        }
        return false;
    }
    // COM0 to COM9 and LPT0 to LPT9.
    if (length != 4 || name[3] < '0' || name[3] > '9')
        return false;
    const CString port(name, 3);
    return CompareNamesIgnoreCase(port, "COM") == 0 || CompareNamesIgnoreCase(port, "LPT") == 0;
}

}  // namespace

bool IsInstallerName(const char* fileName)
{
    return CompareNamesIgnoreCase(fileName, kInstallerName) == 0;
}

bool IsInstallerPath(const wchar_t* path)
{
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p != L'\0'; ++p) {
        if (*p == L'\\' || *p == L'/')
            name = p + 1;
    }
    // Only ASCII letters fold: "İ" is no "i", whatever the locale says.
    const char* expected = kInstallerName;
    for (; *name != L'\0' && *expected != '\0'; ++name, ++expected) {
        const wchar_t c = (*name >= L'A' && *name <= L'Z') ? *name - L'A' + L'a' : *name;
        if (c != static_cast<wchar_t>(*expected))
            return false;
    }
    return *name == L'\0' && *expected == '\0';
}

bool IsPlainEntryName(const char* name)
{
    if (name == nullptr || *name == '\0' || IsDotOrDotDot(name))
        return false;
    // Character by character: a lead byte is never one of these, a trail byte may be. A control
    // character is never part of a double-byte one.
    for (const char* p = name; *p != '\0'; p += CharLength(p)) {
        if (strchr("\\/:*?<>\"|", *p) != nullptr || static_cast<unsigned char>(*p) < 0x20)
            return false;
    }
    // Windows drops a trailing dot or blank, so "readme.txt." names "readme.txt"; the last byte
    // is what counts, as for the installation directory's parts.
    const char last = name[strlen(name) - 1];
    return last != '.' && last != ' ' && !IsDeviceName(name);
}

bool HasUninstallSwitch(const char* commandLine)
{
    if (commandLine == nullptr)
        return false;
    // The program's path: up to the closing quote when it starts with one, else the first blank.
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    }
    while (*p != '\0' && *p != ' ' && *p != '\t')
        ++p;
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0')
            return false;
        const char* end = p;
        while (*end != '\0' && *end != ' ' && *end != '\t')
            end += CharLength(end);
        const CString argument(p, static_cast<int>(end - p));
        if (CompareNamesIgnoreCase(argument, "/uninstall") == 0)
            return true;
        p = end;
    }
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
    // and not ending in a dot or a blank. Windows drops those from the end of a name, so
    // "...", ".." and "Mirel. " would name the folder above, or another one.
    // The last byte is what counts: a dot or blank is never the trail byte of a valid double-byte
    // character, and after a stray lead byte Windows reads it as itself.
    for (;;) {
        const char* end = part;
        while (*end != '\0' && !IsSeparator(*end))
            end += CharLength(end);
        if (end == part || end[-1] == '.' || end[-1] == ' ')
            return false;
        if (*end == '\0')
            return true;
        part = end + 1;
    }
}
