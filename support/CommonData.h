// CommonData: the add-in's settings record, Mirel.DLL's contract with the program: both read
// and write it in place, byte for byte.
#pragma once

#include "base/String.h"

#include <stddef.h>

// Mode fields hold the zero-based index of the chosen item of their drop-down list, or -1 when
// the list had no selection. Flags hold a check state, 0 or 1. nReserved* are carried through.
struct CommonData
{
    int nDispPos = 0;      // 0: before the item image, 1: after it
    int nRating = 0;       // two-way mode
    int nSelfIntro = 0;    // two-way mode
    int bYellowCount = 0;  // yellow when negative ratings exceed nYellowCount
    int bYellowRate = 0;   // yellow when negative ratings per thousand exceed nYellowRate
    int bRedCount = 0;     // red when negative ratings exceed nRedCount
    int bRedRate = 0;      // red when negative ratings per thousand exceed nRedRate
    int nYellowCount = 0;
    int nYellowRate = 0;
    int nRedCount = 0;
    int nRedRate = 0;
    int nPayEasy = 0;  // four-way mode
    int nPayBank = 0;  // four-way mode
    int nReserved1 = 0;
    int nReserved2 = 0;
    int nReserved3 = 0;
    int nReserved4 = 0;
    int nReserved5 = 0;
    int nReserved6 = 0;
    int nPayCashReg = 0;  // four-way mode
    int nPayCOD = 0;      // four-way mode
    int nReserved7 = 0;
    int nPayNetBank = 0;   // four-way mode
    int nShipCost = 0;     // shipping-cost mode
    int nShipTiming = 0;   // dispatch mode
    int nDefaultSort = 0;  // 0: standard order, 1: ascending remaining time
    int nReserved8 = 0;
    int nOverseas = 0;      // four-way mode
    int nYuPack = 0;        // four-way mode
    int nRegion = 0;        // four-way mode
    int nBidderLimit = 0;   // four-way mode
    int nAutoExtend = 0;    // four-way mode
    int nEarlyEnd = 0;      // four-way mode
    int nDesiredPrice = 0;  // four-way mode
    int nReserved9 = 0;
    int nQuestions = 0;    // question mode
    CString strHighLight;  // strings to highlight, one per line, lines separated by CR LF
};

// The 32-bit layout is an interface with Mirel.DLL, which reads and writes the record in place.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(CString) == 4, "CString is one pointer wide");
static_assert(sizeof(CommonData) == 148, "CommonData is 148 bytes");
static_assert(offsetof(CommonData, nDispPos) == 0, "layout");
static_assert(offsetof(CommonData, nRating) == 4, "layout");
static_assert(offsetof(CommonData, nSelfIntro) == 8, "layout");
static_assert(offsetof(CommonData, bYellowCount) == 12, "layout");
static_assert(offsetof(CommonData, bYellowRate) == 16, "layout");
static_assert(offsetof(CommonData, bRedCount) == 20, "layout");
static_assert(offsetof(CommonData, bRedRate) == 24, "layout");
static_assert(offsetof(CommonData, nYellowCount) == 28, "layout");
static_assert(offsetof(CommonData, nYellowRate) == 32, "layout");
static_assert(offsetof(CommonData, nRedCount) == 36, "layout");
static_assert(offsetof(CommonData, nRedRate) == 40, "layout");
static_assert(offsetof(CommonData, nPayEasy) == 44, "layout");
static_assert(offsetof(CommonData, nPayBank) == 48, "layout");
static_assert(offsetof(CommonData, nReserved1) == 52, "layout");
static_assert(offsetof(CommonData, nReserved2) == 56, "layout");
static_assert(offsetof(CommonData, nReserved3) == 60, "layout");
static_assert(offsetof(CommonData, nReserved4) == 64, "layout");
static_assert(offsetof(CommonData, nReserved5) == 68, "layout");
static_assert(offsetof(CommonData, nReserved6) == 72, "layout");
static_assert(offsetof(CommonData, nPayCashReg) == 76, "layout");
static_assert(offsetof(CommonData, nPayCOD) == 80, "layout");
static_assert(offsetof(CommonData, nReserved7) == 84, "layout");
static_assert(offsetof(CommonData, nPayNetBank) == 88, "layout");
static_assert(offsetof(CommonData, nShipCost) == 92, "layout");
static_assert(offsetof(CommonData, nShipTiming) == 96, "layout");
static_assert(offsetof(CommonData, nDefaultSort) == 100, "layout");
static_assert(offsetof(CommonData, nReserved8) == 104, "layout");
static_assert(offsetof(CommonData, nOverseas) == 108, "layout");
static_assert(offsetof(CommonData, nYuPack) == 112, "layout");
static_assert(offsetof(CommonData, nRegion) == 116, "layout");
static_assert(offsetof(CommonData, nBidderLimit) == 120, "layout");
static_assert(offsetof(CommonData, nAutoExtend) == 124, "layout");
static_assert(offsetof(CommonData, nEarlyEnd) == 128, "layout");
static_assert(offsetof(CommonData, nDesiredPrice) == 132, "layout");
static_assert(offsetof(CommonData, nReserved9) == 136, "layout");
static_assert(offsetof(CommonData, nQuestions) == 140, "layout");
static_assert(offsetof(CommonData, strHighLight) == 144, "layout");
#endif
