// The settings store: CommonData as named values of one registry key of the current user.
#pragma once

#include "support/CommonData.h"

// Overwrites each field whose value the store holds with the right type and size (REG_DWORD of
// four bytes; REG_SZ for the highlight text); every other field keeps the caller's value. False
// when there is no store.
bool LoadSettings(CommonData& data);

// Writes every field, going on past a failure; true only when every value was written.
bool SaveSettings(const CommonData& data);
