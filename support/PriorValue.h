// A registry value as it was before the registration wrote it, to be put back when the
// registration fails half way.
#pragma once

#include <windows.h>

class CPriorValue
{
public:
    CPriorValue() : m_known(false), m_existed(false), m_type(0), m_data(nullptr), m_size(0) {}
    ~CPriorValue();
    CPriorValue(const CPriorValue&) = delete;
    CPriorValue& operator=(const CPriorValue&) = delete;

    // Takes what name (nullptr: the default value) holds in key now, wide, so that text comes
    // back exactly as it was. An error when it cannot be read: then nothing may be written over
    // it either.
    LONG Read(HKEY key, const wchar_t* name);
    // Writes the value back as it was read, or deletes it when there was none. Nothing when it
    // was never read.
    void Restore(HKEY key, const wchar_t* name) const;

private:
    bool m_known;
    bool m_existed;
    DWORD m_type;
    BYTE* m_data;
    DWORD m_size;
};
