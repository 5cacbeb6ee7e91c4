// The CLSID of the add-in's COM class, as a GUID and as the text the registry keys use.
#pragma once

#include <windows.h>

// {7AB1205B-FAFC-4068-8F8D-2BE4920B2785}: ours alone; the browser finds the add-in by it.
#define MIREL_ADDIN_CLSID_TEXT "{7AB1205B-FAFC-4068-8F8D-2BE4920B2785}"

extern const CLSID CLSID_MirelAddIn;
