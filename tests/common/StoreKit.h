// Direct access to the settings store's registry key, bypassing Mirel.DLL: for tests that seed
// values the library would never write, or lock the key; and records to compare.
#pragma once

#include "support/CommonData.h"

#include <windows.h>

#include <string>

namespace storekit {

// Removes the store key with its values; an absent key is fine.
void DeleteStore();
// Writes one raw value.
void SetRaw(const char* name, DWORD type, const void* data, DWORD size);
// Lets everybody read the store key but nobody write its values (deleting it stays allowed).
void MakeStoreReadOnly();

// A record whose integer fields (all that come before its text) hold base, base + 1, ...
CommonData DistinctRecord(int base);
// "" when both records hold the same integers and text; otherwise the first field that differs,
// with both values.
std::string RecordDifference(const CommonData& expected, const CommonData& actual);

}  // namespace storekit
