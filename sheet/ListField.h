// A drop-down list of a page bound to the record field that holds its selected index.
#pragma once

#include "sheet/ItemAccess.h"
#include "support/CommonData.h"

struct ListField
{
    int controlId;
    int CommonData::*field;
};

// Selects each list's item from its field; an index outside the list leaves it without one.
template <size_t Count>
void ShowSelections(const CWnd* page, const ListField (&lists)[Count], const CommonData& data)
{
    for (const ListField& list : lists)
        SetItemCurSel(page, list.controlId, data.*list.field);
}

// Stores each list's selected index in its field; a list without a selection stores -1.
template <size_t Count>
void StoreSelections(const CWnd* page, const ListField (&lists)[Count], CommonData& data)
{
    for (const ListField& list : lists)
        data.*list.field = GetItemCurSel(page, list.controlId);
}
