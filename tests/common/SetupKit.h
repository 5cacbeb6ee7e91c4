// What the setup's tests share: where an installation lives (directory, shortcuts, registry),
// reading it back, and removing every trace of it so each test starts and ends clean.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace setupkit {

// The add-in's class key and its helper object key under HKEY_LOCAL_MACHINE.
extern const char kClsidKey[];
extern const char kHelperKey[];

// The installation directory, as Mirel.DLL computes it, and a file in it.
std::string InstallDirectory();
std::string InstalledFile(const char* name);
// The shortcut on the desktop all users share, the subfolder of their Programs menu and the
// shortcut in it.
std::string DesktopLink();
std::string ProgramsFolder();
std::string ProgramsLink();
// The same in the current user's own desktop and Programs menu, where earlier releases put them.
std::string UserDesktopLink();
std::string UserProgramsFolder();
std::string UserProgramsLink();

struct LinkFields
{
    std::string target, workingDirectory, description, arguments, iconPath;
    int iconIndex = -1;
    int showCommand = -1;  // from the file's header: Wine's GetShowCmd always answers 1
};
// Reads a link file back through the shell's link object; false when it cannot be loaded.
bool ReadLink(const std::string& path, LinkFields* fields);

// A registry value as text, a REG_DWORD in decimal; "" when it or its key is missing.
std::string RegistryValue(HKEY root, const std::string& key, const char* name);
// "" when the add-in is registered for the module at modulePath, with every key and value the
// registration writes; otherwise the first thing that differs.
std::string RegistrationMismatch(const std::string& modulePath);
bool NothingRegistered();
bool ClassKeyExists();
// Makes the registry refuse the add-in's registration, as it does a user without administrator
// rights: its helper object key exists and takes no values.
void LockHelperObjectKey();
// Makes the registry refuse to delete the add-in's helper object key (its registration can then
// not be removed) or its entry among the installed programs: a subkey stands in the way.
// RemoveInstallation removes it with the rest.
enum class InstallationKey { HelperObject, UninstallEntry };
void RefuseDeleting(InstallationKey which);
// A value of the add-in's entry among the installed programs ("" when missing).
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
// The files scheduled for deletion at the restart, as the schedule names them.
std::vector<std::string> PendingRemovals();
// While it lives, the shell cannot say where Program Files is (its folder, as the registry names
// it, is missing) and the environment's ProgramFiles names decoy instead. Both come back when
// it ends.
class ProgramFilesUnknown
{
public:
    explicit ProgramFilesUnknown(const std::string& decoy);
    ~ProgramFilesUnknown();
    ProgramFilesUnknown(const ProgramFilesUnknown&) = delete;
    ProgramFilesUnknown& operator=(const ProgramFilesUnknown&) = delete;

private:
    std::string m_savedFolder;
    std::string m_savedEnvironment;
};

// A symbolic link of the file system underneath Wine, made and removed by its ln and rm. Wine
// shows a link to a folder as a folder that is a reparse point and a link to a file as the file;
// its CreateSymbolicLink makes nothing. Only Wine has this; false when it did not work.
bool MakeUnixLink(const std::string& link, const std::string& target);
bool RemoveUnixLink(const std::string& link);

// What a restart does with the files scheduled for it. Only Wine has this ("wineboot -r" in the
// test prefix); false when it did not run.
bool RestartWine();

// A file in the folder of the running test program (its helper programs and modules).
std::string BesideTestProgram(const char* name);
bool Exists(const std::string& path);
bool IsDirectory(const std::string& path);
// The names in a folder, "." and ".." left out, sorted.
std::vector<std::string> EntriesOf(const std::string& folder);
std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);
// Removes a folder with everything in it (or a file), through the wide calls: long paths and
// names the code page cannot hold go too.
void RemoveTree(const std::string& path);
void RemoveTree(const std::wstring& path);
// Text of the system code page, wide.
std::wstring Wide(const std::string& text);

// Registration, list entry, shortcuts, their folder, installation directory, pending removals.
void RemoveInstallation();

}  // namespace setupkit
