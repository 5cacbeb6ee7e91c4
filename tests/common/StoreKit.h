// Direct access to the settings store's registry key, for tests that seed or inspect it.
#pragma once

#include "support/CommonData.h"

#include <windows.h>

#include <string>

namespace storekit {

// Removes the store key with its values; an absent key is fine.
void DeleteStore();
bool StoreExists();
// Removes one value; an absent value is fine.
void DeleteValue(const char* name);

// Lets everybody read the store key but nobody write its values (deleting it stays allowed).
void MakeStoreReadOnly();

// Raw values, bypassing Mirel.DLL.
void SetRaw(const char* name, DWORD type, const void* data, DWORD size);
void SetDword(const char* name, DWORD value);
void SetString(const char* name, const std::string& text);

// True and the value when the store holds name as a four-byte REG_DWORD.
bool GetDword(const char* name, DWORD* value);
// True and the text when the store holds name as REG_SZ.
bool GetString(const char* name, std::string* text);

// A record whose every integer field holds a distinct value (field i holds base + i).
CommonData DistinctRecord(int base);

// Every field of a and b, integers and text, is equal; on a difference, its name in *field.
bool SameRecord(const CommonData& a, const CommonData& b, std::string* field);

// Writes a whole record as the store holds it, without Mirel.DLL.
void SeedStore(const CommonData& data);
// Reads the whole store into a record, without Mirel.DLL; fields the store lacks stay as given.
CommonData ReadStore(CommonData start = CommonData());

}  // namespace storekit
