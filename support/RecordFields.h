// Layout of the settings store: its key, and the value that holds each field of CommonData.
#pragma once

#include "support/CommonData.h"

#include <stddef.h>

// The store's key under HKEY_CURRENT_USER.
extern const char kSettingsKeyPath[];

struct RecordField
{
    const char* name;  // also the name of the field's value in the settings store
    int CommonData::*member;
};

extern const RecordField kIntegerFields[];
extern const size_t kIntegerFieldCount;

// Name of the string field's value in the settings store.
extern const char kHighLightValueName[];
