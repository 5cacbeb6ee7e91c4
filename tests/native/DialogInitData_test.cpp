// Reading a dialog template's initialisation data, whole and cut at every byte.
#include "base/DialogInitData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Two combo box items, the second without a terminator, then the zero word and a record after it.
// clang-format off
const unsigned char kData[] = {0xE9, 0x03, 0x03, 0x04, 4, 0, 0, 0, 'a', 'b', 'c', 0,
                               0xEA, 0x03, 0x03, 0x04, 2, 0, 0, 0, 'h', 'i',
                               0, 0,
                               0xEB, 0x03, 0x03, 0x04, 1, 0, 0, 0, 'x'};
// clang-format on

// The records read from the first size bytes, copied to a block of exactly that size so that the
// address sanitizer (or valgrind) sees any read past it; "!" at the end when malformed.
std::string ReadFirst(size_t size)
{
    const std::vector<unsigned char> data(kData, kData + size);
    DialogInitReader reader(data.data(), data.size());
    std::string texts;
    DialogInitRecord record;
    while (reader.Next(record)) {
        EXPECT_EQ(kDialogInitComboAddString, record.message);
        texts +=
            std::to_string(record.controlId) + ":" + std::string(record.data, record.length) + " ";
    }
    return reader.IsMalformed() ? texts + "!" : texts;
}

}  // namespace

TEST(DialogInitDataTest, ReadsUpToTheZeroWordAndNeverPastACut)
{
    EXPECT_EQ("1001:abc 1002:hi ", ReadFirst(sizeof(kData)));
    for (size_t size = 0; size < 24; ++size) {
        // Data may end right after a record; anywhere else the cut is malformed.
        const std::string whole = size < 12 ? "" : size < 22 ? "1001:abc " : "1001:abc 1002:hi ";
        const bool ends = size == 0 || size == 12 || size == 22;
        EXPECT_EQ(ends ? whole : whole + "!", ReadFirst(size)) << size;
    }
}
