// File baselines of the setup benchmark: one plain loop of CopyFileA or DeleteFileA over a folder,
// between two message boxes as the installer and the uninstaller have them.
//   BaselineFiles copy TO      copies every file of the current directory into the new folder TO
//   BaselineFiles delete DIR   deletes every file directly inside DIR, then DIR
#include <windows.h>

#include <stdlib.h>
#include <string.h>

namespace {

const char kCaption[] = "BaselineFiles";

void CopyCurrentFolderTo(const char* to)
{
    ::CreateDirectoryA(to, nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA(".\\*.*", &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    char destination[MAX_PATH * 2];
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        wsprintfA(destination, "%s\\%s", to, entry.cFileName);
        ::CopyFileA(entry.cFileName, destination, FALSE);
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
}

void DeleteFolderFiles(const char* folder)
{
    char path[MAX_PATH * 2];
    wsprintfA(path, "%s\\*.*", folder);
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA(path, &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (strcmp(entry.cFileName, ".") == 0 || strcmp(entry.cFileName, "..") == 0)
                continue;
            wsprintfA(path, "%s\\%s", folder, entry.cFileName);
            ::DeleteFileA(path);
        } while (::FindNextFileA(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(folder);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3)
        return 2;
    const bool copy = strcmp(__argv[1], "copy") == 0;
    if (::MessageBoxA(nullptr, copy ? "copy?" : "delete?", kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 1;
    if (copy)
        CopyCurrentFolderTo(__argv[2]);
    else
        DeleteFolderFiles(__argv[2]);
    ::MessageBoxA(nullptr, "done", kCaption, MB_OK | MB_ICONINFORMATION);
    return 0;
}
