// Reader of a dialog template's initialisation data (resource type 240).
#include "base/DialogInitData.h"

namespace {

uint16_t ReadWord(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ReadDword(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

DialogInitReader::DialogInitReader(const void* data, size_t size)
    : m_data(static_cast<const unsigned char*>(data)), m_size(data != nullptr ? size : 0),
      m_offset(0), m_malformed(false)
{}

bool DialogInitReader::Next(DialogInitRecord& record)
{
    if (m_malformed)
        return false;
    const size_t left = m_size - m_offset;
    // The terminating zero WORD may be missing when the data ends exactly after a record.
    if (left == 0)
        return false;
    if (left < 2) {
        m_malformed = true;
        return false;
    }
    const unsigned char* p = m_data + m_offset;
    const uint16_t controlId = ReadWord(p);
    if (controlId == 0) {
        m_offset = m_size;
        return false;
    }
    if (left < 8) {
        m_malformed = true;
        return false;
    }
    const uint32_t length = ReadDword(p + 4);
    if (length > left - 8) {
        m_malformed = true;
        return false;
    }
    record.controlId = controlId;
    record.message = ReadWord(p + 2);
    record.data = reinterpret_cast<const char*>(p + 8);
    record.length = length;
    // The text ends at its first terminator, if it carries one.
    for (size_t i = 0; i < length; ++i) {
        if (record.data[i] == '\0') {
            record.length = i;
            break;
        }
    }
    m_offset += 8 + length;
    return true;
}
