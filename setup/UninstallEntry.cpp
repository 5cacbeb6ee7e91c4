// The add-in's entry in Windows' list of installed programs ("Apps & features").
#include "setup/UninstallEntry.h"

#include "base/PathText.h"
#include "framework/RegistryKey.h"
#include "res/ProductInfo.h"
#include "setup/SetupPaths.h"
#include "support/Mirel.h"

namespace {
const char kEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel";
}  // namespace

bool WriteUninstallEntry(const char* directory, unsigned long long installedBytes)
{
    const CString programPath = JoinPath(directory, kInstalledProgramName);
    const char* const program = programPath;
    const unsigned long long kib = (installedBytes + 1023) / 1024;
    const struct
    {
        const char* name;
        CString text;
    } texts[] = {
        {"DisplayName", "ミレル"},
        {"DisplayVersion", MIREL_VERSION},
        {"Publisher", MIREL_PUBLISHER},
        {"URLInfoAbout", MIREL_HOME_URL},
        {"DisplayIcon", StrFormat("%s,0", program)},
        {"InstallLocation", directory},
        {"UninstallString", StrFormat("\"%s\" /uninstall", program)},
        {"QuietUninstallString", StrFormat("\"%s\" /uninstall /quiet", program)},
    };
    const struct
    {
        const char* name;
        DWORD number;
    } numbers[] = {
        {"EstimatedSize", kib > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<DWORD>(kib)},
        {"NoModify", 1},
        {"NoRepair", 1},
    };
    bool written;
    {
        CRegistryKey key;
        written = key.Create(HKEY_LOCAL_MACHINE, kEntryKey, KEY_SET_VALUE) == ERROR_SUCCESS;
        for (const auto& value : texts)
            written = written && key.SetText(value.name, value.text) == ERROR_SUCCESS;
        for (const auto& value : numbers)
            written = written && key.SetNumber(value.name, value.number) == ERROR_SUCCESS;
    }
    if (!written)
        RemoveUninstallEntry();
    return written;
}

bool RemoveUninstallEntry()
{
    const LONG result = CRegistryKey::DeleteKey(HKEY_LOCAL_MACHINE, kEntryKey);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool HasUninstallEntry()
{
    CRegistryKey key;
    return key.Open(HKEY_LOCAL_MACHINE, kEntryKey, KEY_QUERY_VALUE) == ERROR_SUCCESS;
}
