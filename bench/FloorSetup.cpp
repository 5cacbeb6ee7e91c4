// The floor of the setup benchmark: the installer's and the uninstaller's work done in the least
// code, so its time is what that work itself costs on the machine. Between the same two kinds of
// message box as the installer's, so that both are timed alike; /S leaves the boxes out.
//   FloorSetup install [/S]    the current directory's files into %ProgramFiles%\Mirel
//   (installer.exe
//                              as MirelSetup.exe), both shortcuts in one COM apartment, Mirel.DLL's
//                              DllRegisterServer, the entry in the list of installed programs
//   FloorSetup uninstall [/S]  DllUnregisterServer, then the shortcuts, the files, the folder and
//                              the entry removed
#include "res/ProductInfo.h"

#include <windows.h>

#include <shlobj.h>

#include <string.h>

namespace {

const char kCaption[] = "FloorSetup";
const char kLinkName[] = "ミレル環境設定(アンインストールもこちらから).lnk";
const char kLinkDescription[] = "ミレル環境設定";
const char kProgramsSubfolder[] = "ミレル";
const char kListKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirel";

char g_directory[MAX_PATH];

void Join(char* path, const char* folder, const char* name)
{
    wsprintfA(path, "%s\\%s", folder, name);
}

// The shortcut's folder: the desktop all users share, or the subfolder of their Programs menu,
// created as needed.
bool LinkFolder(int csidl, char* folder)
{
    if (!::SHGetSpecialFolderPathA(nullptr, folder, csidl, TRUE))
        return false;
    if (csidl == CSIDL_COMMON_PROGRAMS) {
        lstrcatA(folder, "\\");
        lstrcatA(folder, kProgramsSubfolder);
        ::CreateDirectoryA(folder, nullptr);
    }
    return true;
}

void MakeLink(int csidl, const char* target)
{
    char folder[MAX_PATH], path[MAX_PATH * 2];
    if (!LinkFolder(csidl, folder))
        return;
    Join(path, folder, kLinkName);
    WCHAR widePath[MAX_PATH * 2];
    ::MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH * 2);
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return;
    link->SetPath(target);
    link->SetDescription(kLinkDescription);
    link->SetWorkingDirectory(g_directory);
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        file->Save(widePath, TRUE);
        file->Release();
    }
    link->Release();
}

void RemoveLink(int csidl)
{
    char folder[MAX_PATH], path[MAX_PATH * 2];
    if (!LinkFolder(csidl, folder))
        return;
    Join(path, folder, kLinkName);
    ::DeleteFileA(path);
    if (csidl == CSIDL_COMMON_PROGRAMS)
        ::RemoveDirectoryA(folder);
}

bool CallModule(const char* entryPoint)
{
    char path[MAX_PATH * 2];
    Join(path, g_directory, "Mirel.DLL");
    HMODULE module = ::LoadLibraryA(path);
    if (module == nullptr)
        return false;
    typedef HRESULT(STDAPICALLTYPE * EntryPoint)();
    // Through void*: FARPROC matches no real entry point's type.
    EntryPoint call =
        reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(::GetProcAddress(module, entryPoint)));
    const bool called = call != nullptr && SUCCEEDED(call());
    ::FreeLibrary(module);
    return called;
}

void SetText(HKEY key, const char* name, const char* text)
{
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1);
}

void SetNumber(HKEY key, const char* name, DWORD number)
{
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                     sizeof(number));
}

void WriteListEntry(const char* program, DWORD kib)
{
    HKEY key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kListKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    char text[MAX_PATH * 2 + 16];
    SetText(key, "DisplayName", "ミレル");
    SetText(key, "DisplayVersion", MIREL_VERSION);
    SetText(key, "Publisher", MIREL_PUBLISHER);
    SetText(key, "URLInfoAbout", MIREL_HOME_URL);
    wsprintfA(text, "%s,0", program);
    SetText(key, "DisplayIcon", text);
    SetText(key, "InstallLocation", g_directory);
    wsprintfA(text, "\"%s\" /uninstall", program);
    SetText(key, "UninstallString", text);
    SetNumber(key, "EstimatedSize", kib);
    SetNumber(key, "NoModify", 1);
    SetNumber(key, "NoRepair", 1);
    ::RegCloseKey(key);
}

bool Install()
{
    ::CreateDirectoryA(g_directory, nullptr);
    char program[MAX_PATH * 2], destination[MAX_PATH * 2];
    Join(program, g_directory, "MirelSetup.exe");
    ULONGLONG bytes = 0;
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA(".\\*", &entry);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        if (lstrcmpiA(entry.cFileName, "installer.exe") == 0)
            lstrcpyA(destination, program);
        else
            Join(destination, g_directory, entry.cFileName);
        ::CopyFileA(entry.cFileName, destination, FALSE);
        bytes += (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);

    if (SUCCEEDED(::CoInitialize(nullptr))) {
        MakeLink(CSIDL_COMMON_DESKTOPDIRECTORY, program);
        MakeLink(CSIDL_COMMON_PROGRAMS, program);
        ::CoUninitialize();
    }
    const bool registered = CallModule("DllRegisterServer");
    WriteListEntry(program, static_cast<DWORD>((bytes + 1023) / 1024));
    return registered;
}

bool Uninstall()
{
    const bool unregistered = CallModule("DllUnregisterServer");
    RemoveLink(CSIDL_COMMON_PROGRAMS);
    RemoveLink(CSIDL_COMMON_DESKTOPDIRECTORY);
    char path[MAX_PATH * 2];
    Join(path, g_directory, "*");
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA(path, &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            Join(path, g_directory, entry.cFileName);
            ::DeleteFileA(path);
        } while (::FindNextFileA(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(g_directory);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kListKey);
    return unregistered;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2)
        return 2;
    const bool install = strcmp(__argv[1], "install") == 0;
    const bool quiet = __argc > 2 && lstrcmpiA(__argv[2], "/S") == 0;
    if (!::SHGetSpecialFolderPathA(nullptr, g_directory, CSIDL_PROGRAM_FILES, FALSE))
        return 1;
    lstrcatA(g_directory, "\\Mirel");
    if (!quiet && ::MessageBoxA(nullptr, install ? "install?" : "uninstall?", kCaption,
                                MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 1;
    const bool done = install ? Install() : Uninstall();
    if (!quiet)
        ::MessageBoxA(nullptr, done ? "done" : "failed", kCaption, MB_OK | MB_ICONINFORMATION);
    return done ? 0 : 1;
}
