// The support library Mirel.DLL as the program sees it: its four exported functions.
#pragma once

#include "base/String.h"
#include "support/CommonData.h"

#include <windows.h>

#ifdef MIREL_BUILDING_DLL
#define MIREL_API
#else
#define MIREL_API __declspec(dllimport)
#endif

extern "C" {

// The installation directory: absolute, without a trailing backslash. Empty when Windows cannot
// say exactly where Program Files is; a caller then acts on no folder at all, and the setup
// says so.
MIREL_API CString __cdecl GetMirelDir();

// printf-style formatting into a new string.
MIREL_API CString __cdecl StrFormat(const char* format, ...);

// Fills the record from the stored settings; a field the store does not hold (or holds with a
// wrong type or size) keeps the caller's value. TRUE when the store exists.
MIREL_API BOOL __cdecl LoadCommonData(CommonData* data);

// Stores the whole record. TRUE only when every field was written.
MIREL_API BOOL __cdecl SaveCommonData(const CommonData* data);
}
