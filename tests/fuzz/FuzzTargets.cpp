// The table of fuzz targets, by the names of their folders.
#include "FuzzTargets.h"

const FuzzTarget kFuzzTargets[] = {
    {"number_field", &FuzzNumberField}, {"highlight_text", &FuzzHighLightText},
    {"mbcs_text", &FuzzMbcsText},       {"dialog_init_data", &FuzzDialogInitData},
    {"cstring", &FuzzCString},          {"setup_paths", &FuzzSetupPaths},
};

const size_t kFuzzTargetCount = sizeof(kFuzzTargets) / sizeof(kFuzzTargets[0]);
