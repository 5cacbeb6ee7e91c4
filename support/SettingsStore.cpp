// The settings store: CommonData as named values of one registry key.
#include "support/SettingsStore.h"

#include "support/RecordFields.h"

#include <limits.h>

namespace {

void ReadInteger(HKEY key, const RecordField& field, CommonData& data)
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key, field.name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) == ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof(value))
        data.*field.member = static_cast<int>(value);
}

// Reads a REG_SZ value whole, however long; the text need not carry its terminator.
bool ReadText(HKEY key, const char* name, CString& text)
{
    // The value may change between asking its size and reading it; a few tries are plenty.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
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
            ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes), &read);
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

}  // namespace

void ReadSettings(HKEY key, CommonData& data)
{
    for (size_t i = 0; i < kIntegerFieldCount; ++i)
        ReadInteger(key, kIntegerFields[i], data);
    CString text;
    if (ReadText(key, kHighLightValueName, text))
        data.strHighLight = text;
}

BOOL WriteSettings(HKEY key, const CommonData& data)
{
    bool allWritten = true;
    for (size_t i = 0; i < kIntegerFieldCount; ++i) {
        const DWORD value = static_cast<DWORD>(data.*kIntegerFields[i].member);
        allWritten &=
            ::RegSetValueExA(key, kIntegerFields[i].name, 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
    }
    const char* text = data.strHighLight;
    allWritten &=
        ::RegSetValueExA(key, kHighLightValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                         static_cast<DWORD>(data.strHighLight.GetLength()) + 1) == ERROR_SUCCESS;
    return allWritten ? TRUE : FALSE;
}
