// Direct access to the settings store's registry key, for tests that seed or inspect it.
#include "StoreKit.h"

#include "RegistryLock.h"
#include "framework/ScopedHandles.h"
#include "support/RecordFields.h"

#include <stdexcept>
#include <vector>

namespace storekit {

namespace {

int& Field(CommonData& data, size_t i)
{
    return data.*kIntegerFields[i].member;
}

int Field(const CommonData& data, size_t i)
{
    return data.*kIntegerFields[i].member;
}

HKEY OpenForWriting(CScopedKey& key)
{
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the store key for writing");
    return key.Get();
}

}  // namespace

void DeleteStore()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
}

bool StoreExists()
{
    CScopedKey key;
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, key.Receive()) ==
           ERROR_SUCCESS;
}

void DeleteValue(const char* name)
{
    CScopedKey key;
    ::RegDeleteValueA(OpenForWriting(key), name);
}

void MakeStoreReadOnly()
{
    CScopedKey key;
    OpenForWriting(key);
    if (DenyWritingToKey(key.Get()) != ERROR_SUCCESS)
        throw std::runtime_error("cannot make the store read-only");
}

void SetRaw(const char* name, DWORD type, const void* data, DWORD size)
{
    CScopedKey key;
    if (::RegSetValueExA(OpenForWriting(key), name, 0, type, static_cast<const BYTE*>(data),
                         size) != ERROR_SUCCESS)
        throw std::runtime_error(std::string("cannot set ") + name);
}

void SetDword(const char* name, DWORD value)
{
    SetRaw(name, REG_DWORD, &value, sizeof(value));
}

void SetString(const char* name, const std::string& text)
{
    SetRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool GetDword(const char* name, DWORD* value)
{
    CScopedKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS)
        return false;
    DWORD type = 0, size = sizeof(*value);
    return ::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value),
                              &size) == ERROR_SUCCESS &&
           type == REG_DWORD && size == sizeof(*value);
}

bool GetString(const char* name, std::string* text)
{
    CScopedKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS)
        return false;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    std::vector<char> buffer(size + 1);
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &size) != ERROR_SUCCESS)
        return false;
    buffer[size] = '\0';
    *text = buffer.data();
    return true;
}

CommonData DistinctRecord(int base)
{
    CommonData data;
    for (size_t i = 0; i < kIntegerFieldCount; ++i)
        Field(data, i) = base + static_cast<int>(i);
    return data;
}

bool SameRecord(const CommonData& a, const CommonData& b, std::string* field)
{
    for (size_t i = 0; i < kIntegerFieldCount; ++i) {
        if (Field(a, i) != Field(b, i)) {
            *field = kIntegerFields[i].name;
            return false;
        }
    }
    if (!(a.strHighLight == b.strHighLight)) {
        *field = kHighLightValueName;
        return false;
    }
    return true;
}

void SeedStore(const CommonData& data)
{
    DeleteStore();
    for (size_t i = 0; i < kIntegerFieldCount; ++i)
        SetDword(kIntegerFields[i].name, static_cast<DWORD>(Field(data, i)));
    SetString(kHighLightValueName, static_cast<const char*>(data.strHighLight));
}

CommonData ReadStore(CommonData start)
{
    for (size_t i = 0; i < kIntegerFieldCount; ++i) {
        DWORD value = 0;
        if (GetDword(kIntegerFields[i].name, &value))
            Field(start, i) = static_cast<int>(value);
    }
    std::string text;
    if (GetString(kHighLightValueName, &text))
        start.strHighLight = text.c_str();
    return start;
}

}  // namespace storekit
