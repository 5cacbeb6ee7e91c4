// What the setup's tests share: where an installation lives (directory, shortcuts, registry) as a
// user finds it, reading it back, and removing every trace of it so each test starts and ends
// clean; changes to the machine that undo themselves.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace setupkit {

// The add-in's class key and its helper object key under HKEY_LOCAL_MACHINE.
extern const char kClsidKey[];
extern const char kHelperKey[];

// The installation directory as a user finds it: the folder "Mirel" in the shell's Program
// Files folder; and a file in it.
std::string InstallDirectory();
std::string InstalledFile(const char* name);
// The shortcut on the desktop, the subfolder of the Programs menu and the shortcut in it: those
// all users share, or the current user's own, where earlier releases put them.
std::string DesktopLink(bool allUsers = true);
std::string ProgramsFolder(bool allUsers = true);
std::string ProgramsLink(bool allUsers = true);

struct LinkFields
{
    std::string target, workingDirectory, description;
    int showCommand = -1;  // from the file's header: Wine's GetShowCmd always answers 1
};
// Reads a link file back through the shell's link object; false when it cannot be loaded.
bool ReadLink(const std::string& path, LinkFields* fields);

// A registry value as text, a REG_DWORD in decimal; "" when it or its key is missing.
std::string RegistryValue(HKEY root, const std::string& key, const char* name);
bool KeyExists(const char* machineKey);
// "" when the add-in is registered for the module at modulePath, with every key and value the
// registration writes; otherwise the first thing that differs.
std::string RegistrationMismatch(const std::string& modulePath);
bool NothingRegistered();
// A value of the add-in's entry among the installed programs ("" when missing).
std::string UninstallEntryValue(const char* name);
bool HasUninstallEntry();

// Runs what it holds when it ends, after a failed assertion too: what a test changes outside
// the installation comes back.
class Undo
{
public:
    explicit Undo(std::function<void()> undo) : m_undo(std::move(undo)) {}
    Undo(Undo&& other) : m_undo(std::exchange(other.m_undo, nullptr)) {}
    ~Undo()
    {
        if (m_undo)
            m_undo();
    }
    Undo& operator=(Undo&&) = delete;

private:
    std::function<void()> m_undo;
};

// Makes the registry refuse the add-in's registration, as it does a user without administrator
// rights: its helper object key exists and takes no values. RemoveInstallation removes it.
void LockHelperObjectKey();
// Makes the registry refuse to delete the add-in's helper object key (its registration can then
// not be removed) or its entry among the installed programs: a subkey stands in the way.
// RemoveInstallation removes it with the rest.
enum class InstallationKey { HelperObject, UninstallEntry };
void RefuseDeleting(InstallationKey which);
// Nothing can be scheduled for deletion at the restart: the key that holds the schedule takes no
// values until the result ends.
Undo RefusePendingRemovals();
// The files scheduled for deletion at the restart, as the schedule names them.
std::vector<std::string> PendingRemovals();
// The shell cannot say where Program Files is (its folder, as the registry names it, is missing)
// and the environment's ProgramFiles names decoy instead, until the result ends.
Undo HideProgramFiles(const std::string& decoy);
// The file held open without sharing, as another program may hold it, until the result ends.
Undo HoldOpen(const std::string& path);
// A symbolic link of the file system underneath Wine at link, to target, until the result ends.
// Wine shows a link to a folder as a folder that is a reparse point and a link to a file as the
// file; its CreateSymbolicLink makes nothing. Only Wine has this.
Undo UnixLink(const std::string& link, const std::string& target);

// What a restart does with the files scheduled for it. Only Wine has this ("wineboot -r" in the
// test prefix); false when it did not end within a minute.
bool RestartWine();

// A file in the folder of the running test program (its helper programs and modules).
std::string BesideTestProgram(const char* name);
bool Exists(const std::string& path);
// The names in a folder, "." and ".." left out, sorted.
std::vector<std::string> EntriesOf(const std::string& folder);
std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);
// Removes a folder with everything in it (or a file, or a link without what it points to),
// through the wide calls: long paths and names the code page cannot hold go too.
void RemoveTree(const std::wstring& path);
void RemoveTree(const std::string& path);
// Text of the system code page, wide.
std::wstring Wide(const std::string& text);

// Registration, list entry, shortcuts, their folder, installation directory, pending removals.
void RemoveInstallation();

}  // namespace setupkit
