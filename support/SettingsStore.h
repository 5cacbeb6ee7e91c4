// The settings store: CommonData as named values of one registry key.
#pragma once

#include "support/CommonData.h"

#include <windows.h>

// Overwrites each field whose value the key holds with the right type and size (REG_DWORD of
// four bytes; REG_SZ for the highlight text); every other field keeps the caller's value.
void ReadSettings(HKEY key, CommonData& data);

// Writes every field, going on past a failure; TRUE only when every value was written.
BOOL WriteSettings(HKEY key, const CommonData& data);
