// What the setup's tests share: where the installation lives (directory, shortcuts, registry),
// reading it back, and removing every trace of it so each test starts and ends clean.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace setupkit {

// The installation directory, as Mirel.DLL computes it.
std::string InstallDirectory();
std::string InstalledFile(const char* name);

// The shortcut's paths and the Programs menu subfolder.
std::string DesktopLink();
std::string ProgramsFolder();
std::string ProgramsLink();

struct LinkFields
{
    std::string target;
    std::string workingDirectory;
    std::string description;
    std::string arguments;
    std::string iconPath;
    int iconIndex = -1;
    int showCommand = -1;  // from the link file's header: Wine's GetShowCmd always answers 1
};
// Reads a link file back through the shell's link object; false when it cannot be loaded.
bool ReadLink(const std::string& path, LinkFields* fields);

// "" when every entry of the add-in's registration table is in the registry with its data,
// modulePath standing for the registering module; otherwise what differs.
std::string RegistrationMismatch(const std::string& modulePath);
// True when no key of the registration table exists.
bool NothingRegistered();
// Pre-creates the add-in's Browser Helper Object key so that nobody may write values into it,
// as the registry of a user without administrator rights refuses them.
void LockHelperObjectKey();

// A value of the add-in's entry among the installed programs: text as it is, a number in
// decimal; "" when the value or the entry is missing.
std::string UninstallEntryValue(const char* name);
bool HasUninstallEntry();

// While it lives, nothing can be scheduled for deletion at the restart: the key that holds the
// schedule takes no values. Its permissions come back when it ends.
class PendingRemovalsRefused
{
public:
    PendingRemovalsRefused();
    ~PendingRemovalsRefused();
    PendingRemovalsRefused(const PendingRemovalsRefused&) = delete;
    PendingRemovalsRefused& operator=(const PendingRemovalsRefused&) = delete;

private:
    std::vector<BYTE> m_savedSecurity;
};

// Files scheduled for deletion at the next restart (MOVEFILE_DELAY_UNTIL_REBOOT), as written.
std::vector<std::string> PendingRemovals();
bool IsPendingRemoval(const std::string& path);
// What a restart does with them: "wineboot -r" in the test prefix. False when it did not run.
bool CarryOutPendingRemovals();

// A file in the folder of the running test program (its helper programs and modules).
std::string BesideTestProgram(const char* name);

bool Exists(const std::string& path);
// The names in a folder, "." and ".." left out, sorted.
std::vector<std::string> EntriesOf(const std::string& folder);
bool IsDirectory(const std::string& path);
std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);
void RemoveTree(const std::string& path);

// Registration, the entry among the installed programs, shortcuts, their folder, the
// installation directory, pending removals: gone.
void RemoveInstallation();

}  // namespace setupkit
