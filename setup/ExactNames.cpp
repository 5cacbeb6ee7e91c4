// Names and paths taken from the system by their true, wide-character form.
#include "setup/ExactNames.h"

#include "setup/SetupPaths.h"

#include <shlobj.h>

bool SystemCodePageIsJapanese()
{
    return ::GetACP() == 932;
}

bool SpecialFolderPath(int csidl, CString& path)
{
    wchar_t wide[MAX_PATH + 1] = {};
    return ::SHGetSpecialFolderPathW(nullptr, wide, csidl, TRUE) && wide[0] != L'\0' &&
           NarrowExactly(wide, path);
}

CDirectoryEntries::CDirectoryEntries(const char* directory)
    : m_entry(), m_pending(false), m_safe(false)
{
    // Text converts to wide exactly; a pattern that does not fit lists nothing.
    CString pattern(directory);
    pattern += "\\*";
    wchar_t widePattern[MAX_PATH + 2] = {};
    if (::MultiByteToWideChar(CP_ACP, 0, pattern, -1, widePattern, MAX_PATH + 2) == 0)
        return;
    m_find.Reset(::FindFirstFileW(widePattern, &m_entry));
    m_pending = m_find.IsValid();
}

bool CDirectoryEntries::Next()
{
    for (;;) {
        if (m_pending)
            m_pending = false;
        else if (!m_find.IsValid() || !::FindNextFileW(m_find.Get(), &m_entry))
            return false;
        if (Take())
            return true;
    }
}

bool CDirectoryEntries::Take()
{
    if (wcscmp(m_entry.cFileName, L".") == 0 || wcscmp(m_entry.cFileName, L"..") == 0)
        return false;
    m_safe = NarrowExactly(m_entry.cFileName, m_name) && IsPlainEntryName(m_name);
    return true;
}
