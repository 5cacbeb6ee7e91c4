// Layout of the settings store: its key, and the value that holds each field of CommonData.
#include "support/RecordFields.h"

const char kSettingsKeyPath[] = "Software\\Mirel";

// clang-format off
#define FIELD(name) { #name, &CommonData::name }
// clang-format on

const RecordField kIntegerFields[] = {
    FIELD(nDispPos),    FIELD(nRating),       FIELD(nSelfIntro),   FIELD(bYellowCount),
    FIELD(bYellowRate), FIELD(bRedCount),     FIELD(bRedRate),     FIELD(nYellowCount),
    FIELD(nYellowRate), FIELD(nRedCount),     FIELD(nRedRate),     FIELD(nPayEasy),
    FIELD(nPayBank),    FIELD(nReserved1),    FIELD(nReserved2),   FIELD(nReserved3),
    FIELD(nReserved4),  FIELD(nReserved5),    FIELD(nReserved6),   FIELD(nPayCashReg),
    FIELD(nPayCOD),     FIELD(nReserved7),    FIELD(nPayNetBank),  FIELD(nShipCost),
    FIELD(nShipTiming), FIELD(nDefaultSort),  FIELD(nReserved8),   FIELD(nOverseas),
    FIELD(nYuPack),     FIELD(nRegion),       FIELD(nBidderLimit), FIELD(nAutoExtend),
    FIELD(nEarlyEnd),   FIELD(nDesiredPrice), FIELD(nReserved9),   FIELD(nQuestions),
};

#undef FIELD

const size_t kIntegerFieldCount = sizeof(kIntegerFields) / sizeof(kIntegerFields[0]);

const char kHighLightValueName[] = "strHighLight";
