// Reading a dialog template's initialisation data, including data that ends inside a record.
#include "base/DialogInitData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void AddRecord(std::vector<unsigned char>& data, uint16_t id, const std::string& text)
{
    const uint32_t length = static_cast<uint32_t>(text.size() + 1);
    const unsigned char head[] = {
        static_cast<unsigned char>(id),
        static_cast<unsigned char>(id >> 8),
        0x03,
        0x04,
        static_cast<unsigned char>(length),
        static_cast<unsigned char>(length >> 8),
        static_cast<unsigned char>(length >> 16),
        static_cast<unsigned char>(length >> 24),
    };
    data.insert(data.end(), head, head + sizeof(head));
    data.insert(data.end(), text.begin(), text.end());
    data.push_back(0);
}

std::vector<std::string> ReadAll(const std::vector<unsigned char>& data, bool* malformed)
{
    DialogInitReader reader(data.data(), data.size());
    std::vector<std::string> texts;
    DialogInitRecord record;
    while (reader.Next(record))
        texts.push_back(std::to_string(record.controlId) + ":" +
                        std::string(record.data, record.length));
    *malformed = reader.IsMalformed();
    return texts;
}

}  // namespace

TEST(DialogInitDataTest, ReadsRecordsInOrderUntilTheZeroWord)
{
    std::vector<unsigned char> data;
    AddRecord(data, 1001, "抽出しない");
    AddRecord(data, 1001, "常に抽出する");
    AddRecord(data, 1014, "");
    data.push_back(0);
    data.push_back(0);
    AddRecord(data, 9999, "after the end");
    bool malformed = true;
    const std::vector<std::string> texts = ReadAll(data, &malformed);
    EXPECT_FALSE(malformed);
    EXPECT_EQ((std::vector<std::string>{"1001:抽出しない", "1001:常に抽出する", "1014:"}), texts);
    DialogInitReader reader(data.data(), data.size());
    DialogInitRecord record;
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(kDialogInitComboAddString, record.message);
}

TEST(DialogInitDataTest, TruncatedDataIsMalformedAndNeverReadPast)
{
    std::vector<unsigned char> whole;
    AddRecord(whole, 1001, "abc");
    AddRecord(whole, 1002, "defgh");
    for (size_t cut = 1; cut < whole.size(); ++cut) {
        // A copy of exactly `cut` bytes, so the sanitizer catches any read beyond it.
        const std::vector<unsigned char> part(whole.begin(), whole.begin() + cut);
        bool malformed = false;
        const std::vector<std::string> texts = ReadAll(part, &malformed);
        const size_t firstRecord = 8 + 4;
        EXPECT_EQ(cut != firstRecord, malformed) << cut;
        EXPECT_EQ(cut >= firstRecord ? 1u : 0u, texts.size()) << cut;
    }
    bool malformed = false;
    EXPECT_TRUE(ReadAll({}, &malformed).empty());
    EXPECT_FALSE(malformed);
}

TEST(DialogInitDataTest, TextWithoutTerminatorKeepsItsLength)
{
    const unsigned char data[] = {0xE9, 0x03, 0x03, 0x04, 2, 0, 0, 0, 'h', 'i'};
    DialogInitReader reader(data, sizeof(data));
    DialogInitRecord record;
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(std::string("hi"), std::string(record.data, record.length));
    EXPECT_FALSE(reader.Next(record));
    EXPECT_FALSE(reader.IsMalformed());
}
