// Direct access to the settings store's registry key, bypassing Mirel.DLL: for tests that seed
// values the library would never write, or lock the key; and records to compare.
#include "tests/common/StoreKit.h"

#include "tests/common/RegistryLock.h"

#include <stdexcept>
#include <string.h>

namespace storekit {

namespace {

const char kStoreKey[] = "Software\\Mirel";

// The record's integers in their order: all that come before its text.
const char* const kIntegerNames[] = {
    "nDispPos",     "nRating",      "nSelfIntro",  "bYellowCount",  "bYellowRate", "bRedCount",
    "bRedRate",     "nYellowCount", "nYellowRate", "nRedCount",     "nRedRate",    "nPayEasy",
    "nPayBank",     "nReserved1",   "nReserved2",  "nReserved3",    "nReserved4",  "nReserved5",
    "nReserved6",   "nPayCashReg",  "nPayCOD",     "nReserved7",    "nPayNetBank", "nShipCost",
    "nShipTiming",  "nDefaultSort", "nReserved8",  "nOverseas",     "nYuPack",     "nRegion",
    "nBidderLimit", "nAutoExtend",  "nEarlyEnd",   "nDesiredPrice", "nReserved9",  "nQuestions"};
const size_t kIntegers = offsetof(CommonData, strHighLight) / sizeof(int);
static_assert(sizeof(kIntegerNames) / sizeof(kIntegerNames[0]) == kIntegers, "every integer");

int Integer(const CommonData& data, size_t index)
{
    int value = 0;
    memcpy(&value, reinterpret_cast<const char*>(&data) + index * sizeof(int), sizeof(int));
    return value;
}

}  // namespace

void DeleteStore()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kStoreKey);
}

void SetRaw(const char* name, DWORD type, const void* data, DWORD size)
{
    if (::RegSetKeyValueA(HKEY_CURRENT_USER, kStoreKey, name, type, data, size) != ERROR_SUCCESS)
        throw std::runtime_error(std::string("cannot set ") + name);
}

void MakeStoreReadOnly()
{
    DenyWritingToKey(HKEY_CURRENT_USER, kStoreKey);
}

CommonData DistinctRecord(int base)
{
    CommonData data;
    int values[kIntegers];
    for (int& value : values)
        value = base++;
    memcpy(static_cast<void*>(&data), values, sizeof(values));
    return data;
}

std::string RecordDifference(const CommonData& expected, const CommonData& actual)
{
    for (size_t i = 0; i < kIntegers; ++i) {
        if (Integer(expected, i) != Integer(actual, i))
            return std::string(kIntegerNames[i]) + ": " + std::to_string(Integer(expected, i)) +
                   " expected, " + std::to_string(Integer(actual, i)) + " found";
    }
    if (strcmp(expected.strHighLight, actual.strHighLight) != 0)
        return std::string("strHighLight: \"") + static_cast<const char*>(expected.strHighLight) +
               "\" expected, \"" + static_cast<const char*>(actual.strHighLight) + "\" found";
    return std::string();
}

}  // namespace storekit
