// CRegistryKey: one open registry key, closed with its holder, with typed reads and writes.
// Header only, like the other holders: a binary carries what it calls, and imports no registry
// function it does not call.
#pragma once

#include "base/String.h"

#include <windows.h>

#include <limits.h>
#include <string.h>
#include <wchar.h>

// Names of keys and values are text of the system code page; a null value name stands for the
// key's default value. Opening, creating, writing and deleting answer with the registry's own
// result (ERROR_SUCCESS when it worked), so that a caller can pass on why it failed.
class CRegistryKey
{
public:
    CRegistryKey() : m_key(nullptr) {}
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // For the calls this class does not wrap (a key's permissions, say).
    HKEY Get() const { return m_key; }

    LONG Open(HKEY parent, const char* path, REGSAM access);
    // Opens the key, creating it and the keys above it when missing; created, when given, tells
    // whether the key itself is new.
    LONG Create(HKEY parent, const char* path, REGSAM access, bool* created = nullptr);
    void Close();

    // A REG_DWORD of four bytes; false, and value untouched, for anything else.
    bool QueryNumber(const char* name, DWORD& value) const;
    // A REG_SZ, however long, whether or not it carries its terminator; false, and text untouched,
    // for anything else.
    bool QueryText(const char* name, CString& text) const;

    LONG SetNumber(const char* name, DWORD value);
    LONG SetText(const char* name, const char* text);
    // Text written wide, exactly as given: a path the code page cannot hold would otherwise name
    // another file.
    LONG SetWideText(const char* name, const wchar_t* text);

    // A value as it is stored, whatever its type, texts in their wide form, so that SetRaw puts
    // back exactly what QueryRaw read. Arguments as RegQueryValueExW and RegSetValueExW take them.
    LONG QueryRaw(const char* name, DWORD* type, BYTE* data, DWORD* size) const;
    LONG SetRaw(const char* name, DWORD type, const BYTE* data, DWORD size);
    LONG DeleteValue(const char* name);

    // Deletes the key at path below parent; a key that holds keys of its own is refused.
    static LONG DeleteKey(HKEY parent, const char* path);

private:
    HKEY m_key;
};

namespace registry_detail {

// A value name as the wide calls take it; a name too long for it fails the call that needs it.
class CWideName
{
public:
    explicit CWideName(const char* name) : m_isNull(name == nullptr), m_valid(true), m_text()
    {
        if (name != nullptr)
            m_valid = ::MultiByteToWideChar(CP_ACP, 0, name, -1, m_text, kLength) != 0;
    }
    bool IsValid() const { return m_valid; }
    const wchar_t* Get() const { return m_isNull ? nullptr : m_text; }

private:
    static const int kLength = 256;
    bool m_isNull;
    bool m_valid;
    wchar_t m_text[kLength];
};

}  // namespace registry_detail

inline LONG CRegistryKey::Open(HKEY parent, const char* path, REGSAM access)
{
    Close();
    return ::RegOpenKeyExA(parent, path, 0, access, &m_key);
}

inline LONG CRegistryKey::Create(HKEY parent, const char* path, REGSAM access, bool* created)
{
    Close();
    DWORD disposition = 0;
    const LONG result = ::RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                          nullptr, &m_key, &disposition);
    if (result == ERROR_SUCCESS && created != nullptr)
        *created = disposition == REG_CREATED_NEW_KEY;
    return result;
}

inline void CRegistryKey::Close()
{
    if (m_key != nullptr)
        ::RegCloseKey(m_key);
    m_key = nullptr;
}

inline bool CRegistryKey::QueryNumber(const char* name, DWORD& value) const
{
    DWORD type = 0;
    DWORD read = 0;
    DWORD size = sizeof(read);
    if (::RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&read), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(read))
        return false;
    value = read;
    return true;
}

inline bool CRegistryKey::QueryText(const char* name, CString& text) const
{
    // The value may change between asking its size and reading it; a few tries are plenty.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            return false;
        // Room for the value and a terminator, counted in the string class's int: a size that
        // would overflow it is refused here, whatever limits the registry itself may keep.
        if (size >= static_cast<DWORD>(INT_MAX))
            return false;
        CString buffer;
        char* bytes = buffer.GetBuffer(static_cast<int>(size) + 1);
        DWORD read = size;
        const LONG result =
            ::RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes), &read);
        if (result == ERROR_MORE_DATA)
            continue;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            return false;
        bytes[read] = '\0';
        buffer.ReleaseBuffer();  // ends at the first terminator
        text = buffer;
        return true;
    }
    return false;
}

inline LONG CRegistryKey::SetNumber(const char* name, DWORD value)
{
    return ::RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof(value));
}

inline LONG CRegistryKey::SetText(const char* name, const char* text)
{
    return ::RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>(strlen(text) + 1));
}

inline LONG CRegistryKey::SetWideText(const char* name, const wchar_t* text)
{
    return SetRaw(name, REG_SZ, reinterpret_cast<const BYTE*>(text),
                  static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

inline LONG CRegistryKey::QueryRaw(const char* name, DWORD* type, BYTE* data, DWORD* size) const
{
    const registry_detail::CWideName wideName(name);
    if (!wideName.IsValid())
        return ERROR_INVALID_PARAMETER;
    return ::RegQueryValueExW(m_key, wideName.Get(), nullptr, type, data, size);
}

inline LONG CRegistryKey::SetRaw(const char* name, DWORD type, const BYTE* data, DWORD size)
{
    const registry_detail::CWideName wideName(name);
    if (!wideName.IsValid())
        return ERROR_INVALID_PARAMETER;
    return ::RegSetValueExW(m_key, wideName.Get(), 0, type, data, size);
}

inline LONG CRegistryKey::DeleteValue(const char* name)
{
    const registry_detail::CWideName wideName(name);
    if (!wideName.IsValid())
        return ERROR_INVALID_PARAMETER;
    return ::RegDeleteValueW(m_key, wideName.Get());
}

inline LONG CRegistryKey::DeleteKey(HKEY parent, const char* path)
{
    return ::RegDeleteKeyA(parent, path);
}
