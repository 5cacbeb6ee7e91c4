// What the setup's tests share: where an installation lives (directory, shortcuts, registry),
// reading it back, and removing every trace of it so each test starts and ends clean.
#include "tests/common/SetupKit.h"

#include "tests/common/RegistryLock.h"
#include "framework/ScopedHandles.h"
#include "support/InstallDir.h"

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>

namespace setupkit {

const char kClsidKey[] = "Software\\Classes\\CLSID\\{7AB1205B-FAFC-4068-8F8D-2BE4920B2785}";
const char kHelperKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                          "Browser Helper Objects\\{7AB1205B-FAFC-4068-8F8D-2BE4920B2785}";

namespace {

const char kShortcutName[] = "ミレル環境設定(アンインストールもこちらから)";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel";
const char kSessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kProgramFilesValue[] = "ProgramFilesDir";

std::string SpecialFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE))
        throw std::runtime_error("no special folder " + std::to_string(csidl));
    return path;
}

void RemoveWideTree(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW entry;
    const HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            const std::wstring full = path + L"\\" + name;
            if (name == L"." || name == L"..")
                continue;
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

// Starts a program of the system underneath Wine with options and the Unix paths of the given
// Windows paths. Wine gives no handle to wait for such a process: the caller waits for its
// effect.
bool RunOnUnixPaths(const char* program, const std::string& options,
                    std::initializer_list<std::string> paths)
{
    typedef char*(CDECL * UnixFileName)(const WCHAR*);
    const UnixFileName unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (unixFileName == nullptr)
        return false;
    std::string commandLine = std::string(program) + " " + options;
    for (const std::string& path : paths) {
        char* unixPath = unixFileName(Wide(path).c_str());
        if (unixPath == nullptr)
            return false;
        commandLine += std::string(" \"") + unixPath + "\"";
        ::HeapFree(::GetProcessHeap(), 0, unixPath);
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return false;
    for (HANDLE handle : {info.hProcess, info.hThread}) {
        if (handle != nullptr)
            ::CloseHandle(handle);
    }
    return true;
}

bool WaitUntilExists(const std::string& path, bool exists)
{
    for (int i = 0; i < 100; ++i) {
        if ((::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == exists)
            return true;
        ::Sleep(50);
    }
    return false;
}

}  // namespace

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0],
                                      static_cast<int>(wide.size())) -
                1);
    return wide;
}

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
    return SpecialFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\" + kShortcutName + ".lnk";
}

std::string ProgramsFolder()
{
    return SpecialFolder(CSIDL_COMMON_PROGRAMS) + "\\ミレル";
}

std::string ProgramsLink()
{
    return ProgramsFolder() + "\\" + kShortcutName + ".lnk";
}

std::string UserDesktopLink()
{
    return SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\" + kShortcutName + ".lnk";
}

std::string UserProgramsFolder()
{
    return SpecialFolder(CSIDL_PROGRAMS) + "\\ミレル";
}

std::string UserProgramsLink()
{
    return UserProgramsFolder() + "\\" + kShortcutName + ".lnk";
}

bool ReadLink(const std::string& path, LinkFields* fields)
{
    CScopedComInit com;
    CScopedInterface<IShellLinkA> link;
    CScopedInterface<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.Receive())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.Receive())) ||
        FAILED(file->Load(Wide(path).c_str(), STGM_READ)))
        return false;
    char text[4][1024] = {};
    link->GetPath(text[0], sizeof(text[0]), nullptr, SLGP_RAWPATH);
    link->GetWorkingDirectory(text[1], sizeof(text[1]));
    link->GetDescription(text[2], sizeof(text[2]));
    link->GetArguments(text[3], sizeof(text[3]));
    char icon[1024] = {};
    link->GetIconLocation(icon, sizeof(icon), &fields->iconIndex);
    *fields = {text[0], text[1], text[2], text[3], icon, fields->iconIndex, -1};
    const std::string bytes = ReadFileText(path);  // the show command: a DWORD at 0x3C
    if (bytes.size() >= 0x40)
        fields->showCommand = *reinterpret_cast<const int*>(bytes.data() + 0x3C);
    return true;
}

std::string RegistryValue(HKEY root, const std::string& key, const char* name)
{
    std::vector<char> data(1 << 16);  // more than any value the setup writes
    DWORD type = 0, size = static_cast<DWORD>(data.size());
    if (::RegGetValueA(root, key.c_str(), name,
                       RRF_RT_REG_SZ | RRF_RT_REG_DWORD | RRF_RT_REG_MULTI_SZ, &type, data.data(),
                       &size) != ERROR_SUCCESS)
        return std::string();
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<const DWORD*>(data.data()))
                             : std::string(data.data());
}

std::string RegistrationMismatch(const std::string& modulePath)
{
    const std::string server = std::string(kClsidKey) + "\\InprocServer32";
    const struct
    {
        std::string key;
        const char* name;
        std::string data;
    } expected[] = {
        {kClsidKey, nullptr, "Mirel"},
        {server, nullptr, modulePath},
        {server, "ThreadingModel", "Apartment"},
        {kHelperKey, "NoExplorer", "1"},
    };
    for (const auto& value : expected) {
        const std::string found = RegistryValue(HKEY_LOCAL_MACHINE, value.key, value.name);
        if (found != value.data)
            return value.key + " [" + (value.name ? value.name : "") + "] = \"" + found + "\"";
    }
    return std::string();
}

bool ClassKeyExists()
{
    CScopedKey opened;
    return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClsidKey, 0, KEY_READ, opened.Receive()) ==
           ERROR_SUCCESS;
}

bool NothingRegistered()
{
    for (const char* key : {kClsidKey, kHelperKey}) {
        CScopedKey opened;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, opened.Receive()) ==
            ERROR_SUCCESS)
            return false;
    }
    return true;
}

void LockHelperObjectKey()
{
    CScopedKey key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHelperKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          key.Receive(), nullptr) != ERROR_SUCCESS ||
        DenyWritingToKey(key.Get()) != ERROR_SUCCESS)
        throw std::runtime_error("cannot lock the helper object key");
}

void RefuseDeleting(InstallationKey which)
{
    // A key that has subkeys cannot be deleted on its own. (Wine grants the right to delete a
    // key whatever its permissions say, so a key in the way stands for a refusal.)
    const std::string inTheWay =
        std::string(which == InstallationKey::HelperObject ? kHelperKey : kUninstallKey) +
        "\\InTheWay";
    CScopedKey key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, inTheWay.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot keep the key from being deleted");
}

std::string UninstallEntryValue(const char* name)
{
    return RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, name);
}

bool HasUninstallEntry()
{
    return !UninstallEntryValue("DisplayName").empty();
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
    std::vector<char> data(1 << 16);
    DWORD size = static_cast<DWORD>(data.size());
    std::vector<std::string> names;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, kSessionManagerKey, "PendingFileRenameOperations",
                       RRF_RT_REG_MULTI_SZ, nullptr, data.data(), &size) != ERROR_SUCCESS)
        return names;
    // Pairs of source and destination; a deletion has an empty destination.
    for (const char* text = data.data(); *text != '\0'; text += strlen(text) + 1)
        names.push_back(text);
    return names;
}

ProgramFilesUnknown::ProgramFilesUnknown(const std::string& decoy)
    : m_savedFolder(RegistryValue(HKEY_LOCAL_MACHINE, kCurrentVersionKey, kProgramFilesValue))
{
    char saved[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("ProgramFiles", saved, MAX_PATH);
    if (m_savedFolder.empty() || length == 0 || length >= MAX_PATH)
        throw std::runtime_error("cannot read where Program Files is");
    m_savedEnvironment = saved;
    const std::string missing = decoy + "\\missing";
    ::CreateDirectoryA(decoy.c_str(), nullptr);
    if (::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kCurrentVersionKey, kProgramFilesValue, REG_SZ,
                          missing.c_str(),
                          static_cast<DWORD>(missing.size() + 1)) != ERROR_SUCCESS ||
        !::SetEnvironmentVariableA("ProgramFiles", decoy.c_str()))
        throw std::runtime_error("cannot hide where Program Files is");
}

ProgramFilesUnknown::~ProgramFilesUnknown()
{
    ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kCurrentVersionKey, kProgramFilesValue, REG_SZ,
                      m_savedFolder.c_str(), static_cast<DWORD>(m_savedFolder.size() + 1));
    ::SetEnvironmentVariableA("ProgramFiles", m_savedEnvironment.c_str());
}

bool MakeUnixLink(const std::string& link, const std::string& target)
{
    return RunOnUnixPaths("Z:\\bin\\ln", "-s", {target, link}) && WaitUntilExists(link, true);
}

bool RemoveUnixLink(const std::string& link)
{
    return RunOnUnixPaths("Z:\\bin\\rm", "-f", {link}) && WaitUntilExists(link, false);
}

bool RestartWine()
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

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> EntriesOf(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    CScopedFind find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
    while (find.IsValid()) {
        if (strcmp(entry.cFileName, ".") != 0 && strcmp(entry.cFileName, "..") != 0)
            names.push_back(entry.cFileName);
        if (!::FindNextFileA(find.Get(), &entry))
            break;
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileText(const std::string& path, const std::string& text)
{
    if (!(std::ofstream(path, std::ios::binary) << text))
        throw std::runtime_error("cannot write " + path);
}

void RemoveTree(const std::string& path)
{
    RemoveTree(Wide(path));
}

void RemoveTree(const std::wstring& path)
{
    // Through "\\?\", names as they are: "readme.txt." would otherwise be taken for "readme.txt".
    RemoveWideTree(L"\\\\?\\" + path);
}

void RemoveInstallation()
{
    // Whole trees, independently of the module's own unregistration, which is under test.
    for (const char* key : {kClsidKey, kHelperKey, kUninstallKey})
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
    for (const std::string& path :
         {DesktopLink(), UserDesktopLink(), ProgramsFolder(), UserProgramsFolder()})
        RemoveTree(path);
    RemoveTree(InstallDirectory());
    if (!RegistryValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, "PendingFileRenameOperations")
             .empty())
        RestartWine();
}

}  // namespace setupkit
