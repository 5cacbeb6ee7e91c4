// The log of a run without a person: entries appended to a text file, one line each, in UTF-8.
#include "framework/TextLog.h"

#include "base/String.h"
#include "framework/TextConversion.h"

#include <windows.h>


bool AppendLogEntry(const char* path, const char* source, const char* text)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString entry;
    entry.Format("%04u-%02u-%02u %02u:%02u:%02u\t%s\t%s", now.wYear, now.wMonth, now.wDay,
                 now.wHour, now.wMinute, now.wSecond, source, text);

    // One line: the text's own line breaks as blanks (never a byte of a double-byte character),
    // then the line's end. Through UTF-16 to UTF-8.
    const int length = entry.GetLength();
    char* chars = entry.GetBuffer(length);
    for (int i = 0; i < length; ++i) {
        if (chars[i] == '\r' || chars[i] == '\n')
            chars[i] = ' ';
    }
    entry.ReleaseBuffer(length);
    entry += "\r\n";
    const CWideText wide(entry, CP_ACP);
    if (!wide.IsValid())
        return false;
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.Get(), -1, nullptr, 0, nullptr, nullptr) - 1;
    if (bytes <= 0)
        return false;
    CString line;
    ::WideCharToMultiByte(CP_UTF8, 0, wide.Get(), -1, line.GetBuffer(bytes + 1), bytes + 1, nullptr,
                          nullptr);
    line.ReleaseBuffer(bytes);

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
