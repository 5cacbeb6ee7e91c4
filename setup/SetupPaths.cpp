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

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

const char kLogSwitch[] = "/log=";
const int kLogSwitchLength = sizeof(kLogSwitch) - 1;

// The argument that starts at the next non-blank of p, without its quotes; p is left after it.
// False when only blanks are left.
bool NextArgument(const char*& p, CString& argument)
{
    while (IsBlank(*p))
        ++p;
    if (*p == '\0')
        return false;
    argument = "";
    bool quoted = false;
    const char* stretch = p;
    // Whole characters, as everywhere in the setup's path text.
    for (; *p != '\0' && (quoted || !IsBlank(*p)); p += CharLength(p)) {
        if (*p == '"') {
            argument += CString(stretch, static_cast<int>(p - stretch));
            quoted = !quoted;
            stretch = p + 1;
        }
    }
    argument += CString(stretch, static_cast<int>(p - stretch));
    return true;
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

SetupSwitches ReadSetupSwitches(const char* commandLine)
{
    SetupSwitches switches = {false, false, CString()};
    const char* p = commandLine != nullptr ? commandLine : "";
    CString argument;
    // The first argument is the program's own path.
    for (bool program = true; NextArgument(p, argument); program = false) {
        if (program)
            continue;
        if (CompareNamesIgnoreCase(argument, "/uninstall") == 0)
            switches.uninstall = true;
        else if (CompareNamesIgnoreCase(argument, "/quiet") == 0)
            switches.quiet = true;
        else if (CompareNamesIgnoreCase(argument.Left(kLogSwitchLength), kLogSwitch) == 0)
            switches.logFile = static_cast<const char*>(argument) + kLogSwitchLength;
    }
    return switches;
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
