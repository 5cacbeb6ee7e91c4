// The initialisation data reader over raw resource bytes, against a second reading of its format.
#include "FuzzTargets.h"
#include "Reference.h"
#include "base/DialogInitData.h"

#include <string.h>

#include <memory>

namespace {

struct Expected
{
    uint16_t controlId, message;
    size_t offset, length;
};

// Records: WORD control ID (0 ends the list), WORD message, DWORD byte count, the bytes; the
// text ends at its first zero byte. Data that ends inside a record is malformed.
std::vector<Expected> ReferenceRecords(const unsigned char* data, size_t size, bool* malformed)
{
    std::vector<Expected> records;
    *malformed = false;
    size_t at = 0;
    while (at < size) {
        if (size - at < 2) {
            *malformed = true;
            break;
        }
        const uint16_t id = static_cast<uint16_t>(data[at] + 256 * data[at + 1]);
        if (id == 0)
            break;
        if (size - at < 8) {
            *malformed = true;
            break;
        }
        const uint64_t count = data[at + 4] + 256ull * data[at + 5] + 65536ull * data[at + 6] +
                               16777216ull * data[at + 7];
        if (count > size - at - 8) {
            *malformed = true;
            break;
        }
        size_t length = 0;
        while (length < count && data[at + 8 + length] != 0)
            ++length;
        records.push_back(
            {id, static_cast<uint16_t>(data[at + 2] + 256 * data[at + 3]), at + 8, length});
        at += 8 + static_cast<size_t>(count);
    }
    return records;
}

}  // namespace

void FuzzDialogInitData(const uint8_t* data, size_t size)
{
    // A block of exactly the resource's size, as LockResource gives it.
    std::unique_ptr<unsigned char[]> bytes(new unsigned char[size > 0 ? size : 1]);
    if (size > 0)
        memcpy(bytes.get(), data, size);
    bool expectMalformed = false;
    const std::vector<Expected> expected = ReferenceRecords(bytes.get(), size, &expectMalformed);

    DialogInitReader reader(bytes.get(), size);
    DialogInitRecord record;
    size_t count = 0;
    while (reader.Next(record)) {
        FUZZ_CHECK(count < expected.size());
        const Expected& want = expected[count++];
        FUZZ_CHECK(record.controlId == want.controlId);
        FUZZ_CHECK(record.message == want.message);
        FUZZ_CHECK(record.data == reinterpret_cast<const char*>(bytes.get() + want.offset));
        FUZZ_CHECK(record.length == want.length);
        FUZZ_CHECK(memchr(record.data, 0, record.length) == nullptr);
    }
    FUZZ_CHECK(count == expected.size());
    FUZZ_CHECK(reader.IsMalformed() == expectMalformed);
    // The end stays the end.
    FUZZ_CHECK(!reader.Next(record));
}
