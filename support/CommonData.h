// CommonData: the add-in's settings record, shared byte for byte with Mirel.DLL.
#pragma once

#include "String.h"

#include <stddef.h>

// Mode fields hold the zero-based index of the chosen item of their drop-down list, or -1 when
// the list had no selection. Flags hold a check state, 0 or 1. nReserved* are carried through.
struct CommonData
{
    CommonData()
        : nDispPos(0), nRating(0), nSelfIntro(0), bYellowCount(0), bYellowRate(0), bRedCount(0),
          bRedRate(0), nYellowCount(0), nYellowRate(0), nRedCount(0), nRedRate(0), nPayEasy(0),
          nPayBank(0), nReserved1(0), nReserved2(0), nReserved3(0), nReserved4(0),
          nReserved5(0), nReserved6(0), nPayCashReg(0), nPayCOD(0), nReserved7(0),
          nPayNetBank(0), nShipCost(0), nShipTiming(0), nDefaultSort(0), nReserved8(0),
          nOverseas(0), nYuPack(0), nRegion(0), nBidderLimit(0), nAutoExtend(0), nEarlyEnd(0),
          nDesiredPrice(0), nReserved9(0), nQuestions(0)
    {
    }

    int nDispPos;      // 0: before the item image, 1: after it
    int nRating;       // two-way mode
    int nSelfIntro;    // two-way mode
    int bYellowCount;  // yellow when negative ratings exceed nYellowCount
    int bYellowRate;   // yellow when negative ratings per thousand exceed nYellowRate
    int bRedCount;     // red when negative ratings exceed nRedCount
    int bRedRate;      // red when negative ratings per thousand exceed nRedRate
    int nYellowCount;
    int nYellowRate;
    int nRedCount;
    int nRedRate;
    int nPayEasy;      // four-way mode
    int nPayBank;      // four-way mode
    int nReserved1;
    int nReserved2;
    int nReserved3;
    int nReserved4;
    int nReserved5;
    int nReserved6;
    int nPayCashReg;   // four-way mode
    int nPayCOD;       // four-way mode
    int nReserved7;
    int nPayNetBank;   // four-way mode
    int nShipCost;     // shipping-cost mode
    int nShipTiming;   // dispatch mode
    int nDefaultSort;  // 0: standard order, 1: ascending remaining time
    int nReserved8;
    int nOverseas;     // four-way mode
    int nYuPack;       // four-way mode
    int nRegion;       // four-way mode
    int nBidderLimit;  // four-way mode
    int nAutoExtend;   // four-way mode
    int nEarlyEnd;     // four-way mode
    int nDesiredPrice; // four-way mode
    int nReserved9;
    int nQuestions;    // question mode
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
