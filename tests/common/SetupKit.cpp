// What the setup's tests share: where the installation lives (directory, shortcuts, registry),
// reading it back, and removing every trace of it so each test starts and ends clean.
#include "SetupKit.h"

#include "RegistryLock.h"

#include "framework/ScopedHandles.h"
#include "support/AddInClsid.h"
#include "support/InstallDir.h"
#include "support/Registration.h"

#include <shlobj.h>

#include <algorithm>
#include <stdexcept>

namespace setupkit {

namespace {

const char kShortcutName[] = "ミレル環境設定(アンインストールもこちらから)";
const char kSessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingValue[] = "PendingFileRenameOperations";
const char kUninstallEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel";
const char kHelperObjectKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\" MIREL_ADDIN_CLSID_TEXT;

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE))
        throw std::runtime_error("no special folder " + std::to_string(csidl));
    return path;
}

bool ReadValue(HKEY root, const char* subKey, const char* name, DWORD* type,
               std::vector<BYTE>* data)
{
    CScopedKey key;
    if (::RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), name, nullptr, type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    data->assign(size, 0);
    return ::RegQueryValueExA(key.Get(), name, nullptr, type, data->data(), &size) == ERROR_SUCCESS;
}

bool KeyExists(HKEY root, const char* subKey)
{
    CScopedKey key;
    return ::RegOpenKeyExA(root, subKey, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

}  // namespace

std::string InstallDirectory()
{
    return static_cast<const char*>(InstallationDirectory());
}

std::string InstalledFile(const char* name)
{
    return InstallDirectory() + "\\" + name;
}

std::string DesktopLink()
{
    return SpecialFolder(CSIDL_DESKTOP) + "\\" + kShortcutName + ".lnk";
}

std::string ProgramsFolder()
{
    return SpecialFolder(CSIDL_PROGRAMS) + "\\ミレル";
}

std::string ProgramsLink()
{
    return ProgramsFolder() + "\\" + kShortcutName + ".lnk";
}

bool ReadLink(const std::string& path, LinkFields* fields)
{
    CScopedComInit com;
    CScopedInterface<IShellLinkA> link;
    CScopedInterface<IPersistFile> file;
    wchar_t widePath[MAX_PATH] = {};
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.Receive())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.Receive())) ||
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH) == 0 ||
        FAILED(file->Load(widePath, STGM_READ)))
        return false;
    char text[1024] = {};
    link->GetPath(text, sizeof(text), nullptr, SLGP_RAWPATH);
    fields->target = text;
    text[0] = '\0';
    link->GetWorkingDirectory(text, sizeof(text));
    fields->workingDirectory = text;
    text[0] = '\0';
    link->GetDescription(text, sizeof(text));
    fields->description = text;
    text[0] = '\0';
    link->GetArguments(text, sizeof(text));
    fields->arguments = text;
    text[0] = '\0';
    link->GetIconLocation(text, sizeof(text), &fields->iconIndex);
    fields->iconPath = text;

    // The header's show command: a DWORD at offset 0x3C of the file.
    const std::string bytes = ReadFileText(path);
    if (bytes.size() >= 0x40)
        fields->showCommand = *reinterpret_cast<const int*>(bytes.data() + 0x3C);
    return true;
}

std::string RegistrationMismatch(const std::string& modulePath)
{
    for (size_t i = 0; i < kRegistrationEntryCount; ++i) {
        const RegistrationEntry& entry = kRegistrationEntries[i];
        const std::string where = std::string(entry.subKey) + " [" +
                                  (entry.valueName != nullptr ? entry.valueName : "") + "]";
        DWORD type = 0;
        std::vector<BYTE> data;
        if (!ReadValue(entry.root, entry.subKey, entry.valueName, &type, &data))
            return where + ": missing";
        if (type != entry.type)
            return where + ": type " + std::to_string(type);
        if (type == REG_DWORD) {
            if (data.size() != sizeof(DWORD) ||
                *reinterpret_cast<DWORD*>(data.data()) != entry.number)
                return where + ": wrong number";
            continue;
        }
        const std::string text(reinterpret_cast<const char*>(data.data()));
        if (text != (entry.text != nullptr ? entry.text : modulePath.c_str()))
            return where + ": \"" + text + "\"";
    }
    return std::string();
}

bool NothingRegistered()
{
    for (size_t i = 0; i < kRegistrationEntryCount; ++i) {
        if (KeyExists(kRegistrationEntries[i].root, kRegistrationEntries[i].subKey))
            return false;
    }
    return true;
}

void LockHelperObjectKey()
{
    CScopedKey key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHelperObjectKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the helper object key");
    if (DenyWritingToKey(key.Get()) != ERROR_SUCCESS)
        throw std::runtime_error("cannot lock the helper object key");
}

std::string UninstallEntryValue(const char* name)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadValue(HKEY_LOCAL_MACHINE, kUninstallEntryKey, name, &type, &data))
        return std::string();
    if (type == REG_DWORD && data.size() == sizeof(DWORD))
        return std::to_string(*reinterpret_cast<const DWORD*>(data.data()));
    return type == REG_SZ ? std::string(reinterpret_cast<const char*>(data.data())) : "?";
}

bool HasUninstallEntry()
{
    return KeyExists(HKEY_LOCAL_MACHINE, kUninstallEntryKey);
}

PendingRemovalsRefused::PendingRemovalsRefused()
{
    CScopedKey key;
    DWORD size = 0;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManagerKey, 0, READ_CONTROL | WRITE_DAC,
                        key.Receive()) != ERROR_SUCCESS ||
        ::RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, nullptr, &size) !=
            ERROR_INSUFFICIENT_BUFFER)
        throw std::runtime_error("cannot read the session manager key's permissions");
    m_savedSecurity.resize(size);
    if (::RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, m_savedSecurity.data(), &size) !=
            ERROR_SUCCESS ||
        DenyWritingToKey(key.Get()) != ERROR_SUCCESS)
        throw std::runtime_error("cannot lock the session manager key");
}

PendingRemovalsRefused::~PendingRemovalsRefused()
{
    CScopedKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManagerKey, 0, WRITE_DAC, key.Receive()) ==
        ERROR_SUCCESS)
        ::RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, m_savedSecurity.data());
}

std::vector<std::string> PendingRemovals()
{
    std::vector<std::string> paths;
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingValue, &type, &data) ||
        type != REG_MULTI_SZ)
        return paths;
    data.push_back(0);
    data.push_back(0);
    // Pairs of source and destination; an empty destination means "delete".
    std::vector<std::string> strings;
    for (const char* p = reinterpret_cast<const char*>(data.data());
         p < reinterpret_cast<const char*>(data.data()) + data.size() - 2; p += strlen(p) + 1)
        strings.push_back(p);
    for (size_t i = 0; i + 1 < strings.size(); i += 2) {
        if (!strings[i + 1].empty())
            continue;
        std::string source = strings[i];
        if (source.compare(0, 4, "\\??\\") == 0)
            source.erase(0, 4);
        paths.push_back(source);
    }
    return paths;
}

bool IsPendingRemoval(const std::string& path)
{
    const std::vector<std::string> pending = PendingRemovals();
    return std::find(pending.begin(), pending.end(), path) != pending.end();
}

bool CarryOutPendingRemovals()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    char commandLine[] = "wineboot.exe -r";
    if (!::CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    const bool ended = ::WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0;
    ::CloseHandle(info.hProcess);
    return ended;
}

std::string BesideTestProgram(const char* name)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path);
    return self.substr(0, self.find_last_of('\\') + 1) + name;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> EntriesOf(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    CScopedFind find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (find.IsValid()) {
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (::FindNextFileA(find.Get(), &entry));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileText(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        text.append(buffer, read);
    ::CloseHandle(file);
    return text;
}

void WriteFileText(const std::string& path, const std::string& text)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
}

namespace {

// Wide, so that no name is changed by the code page on its way and long paths are taken whole.
void RemoveWideTree(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    const HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveWideTree(full);
            } else {
                ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(full.c_str());
            }
        } while (::FindNextFileW(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(path.c_str());
}

}  // namespace

void RemoveTree(const std::string& path)
{
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0],
                                      static_cast<int>(wide.size())) -
                1);
    RemoveWideTree(wide);
}

void RemoveInstallation()
{
    // Whole trees, independently of the module's own unregistration, which is under test.
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\CLSID\\" MIREL_ADDIN_CLSID_TEXT);
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kHelperObjectKey);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallEntryKey);
    ::DeleteFileA(DesktopLink().c_str());
    RemoveTree(ProgramsFolder());
    RemoveTree(InstallDirectory());
    if (!PendingRemovals().empty())
        CarryOutPendingRemovals();
}

}  // namespace setupkit
