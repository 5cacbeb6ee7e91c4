// The settings store: CommonData as named values of one registry key of the current user.
#include "support/SettingsStore.h"

#include "framework/RegistryKey.h"
#include "support/RecordFields.h"

bool LoadSettings(CommonData& data)
{
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return false;
    for (size_t i = 0; i < kIntegerFieldCount; ++i) {
        DWORD value = 0;
        if (key.QueryNumber(kIntegerFields[i].name, value))
            data.*kIntegerFields[i].member = static_cast<int>(value);
    }
    key.QueryText(kHighLightValueName, data.strHighLight);
    return true;
}

bool SaveSettings(const CommonData& data)
{
    CRegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_SET_VALUE) != ERROR_SUCCESS)
        return false;
    bool allWritten = true;
    for (size_t i = 0; i < kIntegerFieldCount; ++i) {
        const DWORD value = static_cast<DWORD>(data.*kIntegerFields[i].member);
        allWritten &= key.SetNumber(kIntegerFields[i].name, value) == ERROR_SUCCESS;
    }
    allWritten &= key.SetText(kHighLightValueName, data.strHighLight) == ERROR_SUCCESS;
    return allWritten;
}
