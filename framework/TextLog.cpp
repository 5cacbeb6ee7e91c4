// The log of a run without a person: entries appended to a text file, one line each, in UTF-8.
#include "framework/TextLog.h"

#include "base/String.h"

#include <windows.h>

#include <stdlib.h>

bool AppendLogEntry(const char* path, const char* source, const char* text)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString entry;
    entry.Format("%04u-%02u-%02u %02u:%02u:%02u\t%s\t%s", now.wYear, now.wMonth, now.wDay,
                 now.wHour, now.wMinute, now.wSecond, source, text);

    // Through UTF-16, with room for the line's end.
    const int length = ::MultiByteToWideChar(CP_ACP, 0, entry, -1, nullptr, 0) + 1;
    wchar_t* wide = static_cast<wchar_t*>(malloc(length * sizeof(wchar_t)));
    if (length < 2 || wide == nullptr ||
        ::MultiByteToWideChar(CP_ACP, 0, entry, -1, wide, length) != length - 1) {
        free(wide);
        return false;
    }
    for (int i = 0; i < length - 2; ++i) {
        if (wide[i] == L'\r' || wide[i] == L'\n')
            wide[i] = L' ';
    }
    wide[length - 2] = L'\r';
    wide[length - 1] = L'\n';
    CString line;
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    ::WideCharToMultiByte(CP_UTF8, 0, wide, length, line.GetBuffer(bytes), bytes, nullptr, nullptr);
    line.ReleaseBuffer(bytes);
    free(wide);

    // Only appended: earlier runs' entries stay, and other runs may write to the same log.
    const HANDLE file = ::CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete =
        ::WriteFile(file, static_cast<const char*>(line), bytes, &written, nullptr) &&
        written == static_cast<DWORD>(bytes);
    ::CloseHandle(file);
    return complete;
}
