// Direct access to the settings store's registry key, bypassing Mirel.DLL: for tests that seed
// values the library would never write, or lock the key.
#pragma once

#include <windows.h>

namespace storekit {

// Removes the store key with its values; an absent key is fine.
void DeleteStore();
// Writes one raw value.
void SetRaw(const char* name, DWORD type, const void* data, DWORD size);
// Lets everybody read the store key but nobody write its values (deleting it stays allowed).
void MakeStoreReadOnly();

}  // namespace storekit

#include "support/CommonData.h"

#include <string.h>

namespace storekit {

// A record whose integer fields (all that come before its text) hold base, base + 1, ...
inline CommonData DistinctRecord(int base)
{
    CommonData data;
    int values[offsetof(CommonData, strHighLight) / sizeof(int)];
    for (int& value : values)
        value = base++;
    memcpy(static_cast<void*>(&data), values, sizeof(values));
    return data;
}

// Equal integers and text.
inline bool SameRecord(const CommonData& a, const CommonData& b)
{
    return memcmp(static_cast<const void*>(&a), &b, offsetof(CommonData, strHighLight)) == 0 &&
           strcmp(a.strHighLight, b.strHighLight) == 0;
}

}  // namespace storekit
