// The add-in's entry in Windows' list of installed programs ("Apps & features").
#include "setup/UninstallEntry.h"

#include "base/PathText.h"
#include "framework/ScopedHandles.h"
#include "res/ProductInfo.h"
#include "setup/SetupPaths.h"
#include "support/Mirel.h"

#include <string.h>

namespace {

const char kEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel";

bool SetText(HKEY key, const char* name, const char* text)
{
    return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
}

bool SetNumber(HKEY key, const char* name, DWORD number)
{
    return ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                            sizeof(number)) == ERROR_SUCCESS;
}

}  // namespace

bool WriteUninstallEntry(const char* directory, unsigned long long installedBytes)
{
    const CString program = JoinPath(directory, kInstalledProgramName);
    const unsigned long long kib = (installedBytes + 1023) / 1024;
    bool written;
    {
        CScopedKey key;
        written = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kEntryKey, 0, nullptr, 0, KEY_SET_VALUE,
                                    nullptr, key.Receive(), nullptr) == ERROR_SUCCESS &&
                  SetText(key.Get(), "DisplayName", "ミレル") &&
                  SetText(key.Get(), "DisplayVersion", MIREL_VERSION) &&
                  SetText(key.Get(), "Publisher", MIREL_PUBLISHER) &&
                  SetText(key.Get(), "URLInfoAbout", MIREL_HOME_URL) &&
                  SetText(key.Get(), "DisplayIcon",
                          StrFormat("%s,0", static_cast<const char*>(program))) &&
                  SetText(key.Get(), "InstallLocation", directory) &&
                  SetNumber(key.Get(), "EstimatedSize",
                            kib > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<DWORD>(kib)) &&
                  SetNumber(key.Get(), "NoModify", 1) && SetNumber(key.Get(), "NoRepair", 1) &&
                  SetText(key.Get(), "UninstallString",
                          StrFormat("\"%s\" /uninstall", static_cast<const char*>(program))) &&
                  SetText(key.Get(), "QuietUninstallString",
                          StrFormat("\"%s\" /uninstall /quiet", static_cast<const char*>(program)));
    }
    if (!written)
        RemoveUninstallEntry();
    return written;
}

bool RemoveUninstallEntry()
{
    const LONG result = ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kEntryKey);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool HasUninstallEntry()
{
    CScopedKey key;
    return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEntryKey, 0, KEY_QUERY_VALUE, key.Receive()) ==
           ERROR_SUCCESS;
}
