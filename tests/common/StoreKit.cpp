// Direct access to the settings store's registry key, bypassing Mirel.DLL: for tests that seed
// values the library would never write, or lock the key.
#include "tests/common/StoreKit.h"

#include "tests/common/RegistryLock.h"
#include "framework/ScopedHandles.h"

#include <stdexcept>
#include <string>

namespace storekit {

namespace {

const char kStoreKey[] = "Software\\Mirel";

HKEY OpenForWriting(CScopedKey& key)
{
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          key.Receive(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the store key for writing");
    return key.Get();
}

}  // namespace

void DeleteStore()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kStoreKey);
}

void SetRaw(const char* name, DWORD type, const void* data, DWORD size)
{
    CScopedKey key;
    if (::RegSetValueExA(OpenForWriting(key), name, 0, type, static_cast<const BYTE*>(data),
                         size) != ERROR_SUCCESS)
        throw std::runtime_error(std::string("cannot set ") + name);
}

void MakeStoreReadOnly()
{
    CScopedKey key;
    if (DenyWritingToKey(OpenForWriting(key)) != ERROR_SUCCESS)
        throw std::runtime_error("cannot make the store read-only");
}

}  // namespace storekit
