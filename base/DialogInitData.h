// Reader of a dialog template's initialisation data (resource type 240): the item lists of its
// combo boxes, one record per item.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Resource type of the initialisation data; it carries the same ID as its dialog template.
const int kDialogInitResourceType = 240;
// The record message "add a string to a combo box", in the data's historic numbering (today's
// CB_ADDSTRING has another value).
const uint16_t kDialogInitComboAddString = 0x0403;

struct DialogInitRecord
{
    uint16_t controlId;
    uint16_t message;
    const char* data;  // not necessarily terminated; use length
    size_t length;     // bytes of text, without a terminator that the record may carry
};

// Walks the records: a WORD control ID (0 ends the list), a WORD message, a DWORD byte count,
// then the bytes. Data that ends inside a record is reported as malformed, never read past.
class DialogInitReader
{
public:
    DialogInitReader(const void* data, size_t size);

    // Fills record with the next one; false at the end of the list or on malformed data.
    bool Next(DialogInitRecord& record);
    bool IsMalformed() const { return m_malformed; }

private:
    const unsigned char* m_data;
    size_t m_size;
    size_t m_offset;
    bool m_malformed;
};
