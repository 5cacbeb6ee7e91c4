// Names and paths taken from the system by their true, wide-character form.
#pragma once

#include "base/String.h"
#include "framework/ScopedHandles.h"
#include "framework/TextConversion.h"

#include <windows.h>

// The ANSI calls hand out a name the system code page cannot hold with a "best fit" of their
// own choosing: in code page 932 the yen sign becomes 0x5C, a backslash, so "..¥x" would read
// as "..\x" and name a file in another folder. The setup therefore takes names and paths wide
// and keeps them only when the code page holds them exactly.

// True when the system code page is 932, the code page of the setup's own names and texts (the
// shortcuts, the Programs folder, the entry among the installed programs, every message). In
// any other (UTF-8, which Windows 10 and 11 offer as the system code page, or a Western one)
// those would become other names, and the names of files could not be taken exactly.
bool SystemCodePageIsJapanese();


// A shell special folder's path, created when missing; false when the shell cannot give it or
// the code page cannot hold it exactly.
bool SpecialFolderPath(int csidl, CString& path);

// The entries of one folder, "." and ".." left out, listed by their true names.
class CDirectoryEntries
{
public:
    explicit CDirectoryEntries(const char* directory);
    CDirectoryEntries(const CDirectoryEntries&) = delete;
    CDirectoryEntries& operator=(const CDirectoryEntries&) = delete;

    // False when the folder could not be listed at all (it is missing, say).
    bool IsListed() const { return m_find.IsValid(); }
    // Moves to the next entry; false after the last.
    bool Next();

    // A name to act on only when IsNameSafe(): the code page holds it exactly and it names an
    // entry of this folder and nothing else. Otherwise it is only fit to be shown.
    const CString& Name() const { return m_name; }
    bool IsNameSafe() const { return m_safe; }
    bool IsDirectory() const { return (m_entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    unsigned long long Size() const
    {
        return (static_cast<unsigned long long>(m_entry.nFileSizeHigh) << 32) |
               m_entry.nFileSizeLow;
    }

private:
    bool Take();

    CScopedFind m_find;
    WIN32_FIND_DATAW m_entry;
    bool m_pending;  // the entry FindFirstFileW gave is not yet handed out
    CString m_name;
    bool m_safe;
};
