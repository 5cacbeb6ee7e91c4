// What the setup's tests share: where an installation lives (directory, shortcuts, registry) as a
// user finds it, reading it back, and removing every trace of it. Plain Win32, none of the
// product's code.
#include "tests/common/SetupKit.h"

#include "tests/common/RegistryLock.h"
#include "tools/driver/Driver.h"

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
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
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::DeleteFileW(path.c_str());
        return;
    }
    WIN32_FIND_DATAW entry;
    // A link to a folder goes alone, never what it points to.
    const HANDLE find = attributes & FILE_ATTRIBUTE_REPARSE_POINT
                            ? INVALID_HANDLE_VALUE
                            : ::FindFirstFileW((path + L"\\*").c_str(), &entry);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(find, &entry)) {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..")
            RemoveWideTree(path + L"\\" + name);
    }
    if (find != INVALID_HANDLE_VALUE)
        ::FindClose(find);
    ::RemoveDirectoryW(path.c_str());
}

// Runs a program of the system underneath Wine with options and the Unix paths of the given
// Windows paths, then waits until path exists or not. Wine gives no handle to wait for such a
// process: its effect is what counts.
bool RunOnUnixPaths(const char* program, const std::string& options,
                    std::initializer_list<std::string> paths, const std::string& path, bool exists)
{
    typedef char*(CDECL * UnixFileName)(const WCHAR*);
    const UnixFileName unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (unixFileName == nullptr)
        return false;
    std::string commandLine = std::string(program) + " " + options;
    for (const std::string& each : paths) {
        char* unixPath = unixFileName(Wide(each).c_str());
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
    for (int i = 0; i < 100; ++i, ::Sleep(50)) {
        if (Exists(path) == exists)
            return true;
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
    return SpecialFolder(CSIDL_PROGRAM_FILES) + "\\Mirel";
}

std::string InstalledFile(const char* name)
{
    return InstallDirectory() + "\\" + name;
}

std::string DesktopLink(bool allUsers)
{
    return SpecialFolder(allUsers ? CSIDL_COMMON_DESKTOPDIRECTORY : CSIDL_DESKTOPDIRECTORY) + "\\" +
           kShortcutName + ".lnk";
}

std::string ProgramsFolder(bool allUsers)
{
    return SpecialFolder(allUsers ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS) + "\\ミレル";
}

std::string ProgramsLink(bool allUsers)
{
    return ProgramsFolder(allUsers) + "\\" + kShortcutName + ".lnk";
}

bool ReadLink(const std::string& path, LinkFields* fields)
{
    const bool entered = SUCCEEDED(::CoInitialize(nullptr));
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    char text[3][1024] = {};
    const bool read =
        SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IShellLinkA, reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(text[0], sizeof(text[0]), nullptr, SLGP_RAWPATH)) &&
        SUCCEEDED(link->GetWorkingDirectory(text[1], sizeof(text[1]))) &&
        SUCCEEDED(link->GetDescription(text[2], sizeof(text[2])));
    for (IUnknown* object : std::initializer_list<IUnknown*>{file, link}) {
        if (object != nullptr)
            object->Release();
    }
    if (entered)
        ::CoUninitialize();
    const std::string bytes = ReadFileText(path);  // the show command: a DWORD at 0x3C
    *fields = {text[0], text[1], text[2],
               bytes.size() >= 0x40 ? *reinterpret_cast<const int*>(bytes.data() + 0x3C) : -1};
    return read;
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

bool KeyExists(const char* machineKey)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, machineKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
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

bool NothingRegistered()
{
    return !KeyExists(kClsidKey) && !KeyExists(kHelperKey);
}

std::string UninstallEntryValue(const char* name)
{
    return RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, name);
}

bool HasUninstallEntry()
{
    return !UninstallEntryValue("DisplayName").empty();
}

void LockHelperObjectKey()
{
    DenyWritingToKey(HKEY_LOCAL_MACHINE, kHelperKey);
}

void RefuseDeleting(InstallationKey which)
{
    // A key that has subkeys cannot be deleted on its own. (Wine grants the right to delete a
    // key whatever its permissions say, so a key in the way stands for a refusal.)
    const std::string inTheWay =
        std::string(which == InstallationKey::HelperObject ? kHelperKey : kUninstallKey) +
        "\\InTheWay";
    if (::RegSetKeyValueA(HKEY_LOCAL_MACHINE, inTheWay.c_str(), nullptr, REG_SZ, "", 1) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot keep the key from being deleted");
}

Undo RefusePendingRemovals()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManagerKey, 0, READ_CONTROL | WRITE_DAC,
                        &key) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the session manager key");
    const auto saved = std::make_shared<std::vector<BYTE>>(1 << 12);
    DWORD size = static_cast<DWORD>(saved->size());
    const bool locked = ::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved->data(), &size) ==
                            ERROR_SUCCESS &&
                        DenyWritingToKey(key) == ERROR_SUCCESS;
    Undo restore([key, saved] {
        ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved->data());
        ::RegCloseKey(key);
    });
    if (!locked)
        throw std::runtime_error("cannot lock the session manager key");
    return restore;
}

std::vector<std::string> PendingRemovals()
{
    // Pairs of source and destination; a deletion has an empty destination.
    std::vector<char> list(1 << 16);
    DWORD size = static_cast<DWORD>(list.size());
    std::vector<std::string> names;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, kSessionManagerKey, "PendingFileRenameOperations",
                       RRF_RT_REG_MULTI_SZ, nullptr, list.data(), &size) != ERROR_SUCCESS)
        return names;
    for (const char* text = list.data(); *text != '\0'; text += strlen(text) + 1)
        names.push_back(text);
    return names;
}

Undo HideProgramFiles(const std::string& decoy)
{
    const std::string folder =
        RegistryValue(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
    char environment[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("ProgramFiles", environment, MAX_PATH);
    if (folder.empty() || length == 0 || length >= MAX_PATH)
        throw std::runtime_error("cannot read where Program Files is");
    Undo restore([folder, saved = std::string(environment)] {
        ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", REG_SZ,
                          folder.c_str(), static_cast<DWORD>(folder.size() + 1));
        ::SetEnvironmentVariableA("ProgramFiles", saved.c_str());
    });
    const std::string missing = decoy + "\\missing";
    ::CreateDirectoryA(decoy.c_str(), nullptr);
    if (::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", REG_SZ,
                          missing.c_str(),
                          static_cast<DWORD>(missing.size() + 1)) != ERROR_SUCCESS ||
        !::SetEnvironmentVariableA("ProgramFiles", decoy.c_str()))
        throw std::runtime_error("cannot hide where Program Files is");
    return restore;
}

Undo HoldOpen(const std::string& path)
{
    const HANDLE file =
        ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + path);
    return Undo([file] { ::CloseHandle(file); });
}

Undo UnixLink(const std::string& link, const std::string& target)
{
    Undo remove([link] { RunOnUnixPaths("Z:\\bin\\rm", "-f", {link}, link, false); });
    if (!RunOnUnixPaths("Z:\\bin\\ln", "-s", {target, link}, link, true))
        throw std::runtime_error("cannot link " + link);
    return remove;
}

bool RestartWine()
{
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    const driver::Program wineboot(std::string(system) + "\\wineboot.exe", system, "-r");
    return wineboot.WaitForExit(60000) != STILL_ACTIVE;
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
    const HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &entry)) {
        if (strcmp(entry.cFileName, ".") != 0 && strcmp(entry.cFileName, "..") != 0)
            names.push_back(entry.cFileName);
    }
    if (find != INVALID_HANDLE_VALUE)
        ::FindClose(find);
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

void RemoveTree(const std::wstring& path)
{
    // Through "\\?\", names as they are: "readme.txt." would otherwise be taken for "readme.txt".
    RemoveWideTree(L"\\\\?\\" + path);
}

void RemoveTree(const std::string& path)
{
    RemoveTree(Wide(path));
}

void RemoveInstallation()
{
    // Whole trees, independently of the module's own unregistration, which is under test.
    for (const char* key : {kClsidKey, kHelperKey, kUninstallKey})
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
    for (bool allUsers : {true, false}) {
        RemoveTree(DesktopLink(allUsers));
        RemoveTree(ProgramsFolder(allUsers));
    }
    RemoveTree(InstallDirectory());
    if (!PendingRemovals().empty())
        RestartWine();
}

}  // namespace setupkit
