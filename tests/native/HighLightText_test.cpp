// The highlight clean-up: blanks before line ends go, everything else stays, whole characters.
#include "base/Mbcs.h"
#include "sheet/HighLightText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Replaces every from that starts on a whole character by "\r\n", in one pass.
bool ReplaceByLineEnd(std::string& text, const std::string& from)
{
    std::string result;
    bool replaced = false;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, from.size(), from) == 0) {
            result += "\r\n";
            i += from.size();
            replaced = true;
        } else {
            const size_t length = CharLength(text.c_str() + i);
            result.append(text, i, length);
            i += length;
        }
    }
    text = result;
    return replaced;
}

// The clean-up as first described: replace " \r\n" and "　\r\n" by "\r\n", again and again,
// until neither is left. Slow on long runs of blanks, but plainly right.
std::string RemoveByRepeatedReplace(const char* text)
{
    std::string result(text);
    while (ReplaceByLineEnd(result, " \r\n") || ReplaceByLineEnd(result, "　\r\n")) {
    }
    return result;
}

}  // namespace

TEST(HighLightTextTest, RemovesBlanksBeforeLineEndsOnly)
{
    const struct
    {
        const char* text;
        const char* expected;
    } cases[] = {
        {"abc   \r\ndef", "abc\r\ndef"},
        {"abc　 \r\nxyz \r\n", "abc\r\nxyz\r\n"},  // ideographic space then blank
        {"abc 　\r\n", "abc\r\n"},                 // blank then ideographic space
        {"a 　 　　  \r\nb", "a\r\nb"},
        {"last line  ", "last line  "},  // no CR LF after it
        {"last line　", "last line　"},
        {"   \r\n", "\r\n"},                        // a line of blanks only
        {"a\r\n　 　\r\n\r\nb", "a\r\n\r\n\r\nb"},  // empty lines stay
        {"  indented\r\n", "  indented\r\n"},
        {"tab\t\r\n", "tab\t\r\n"},
        {"tab\t \r\n", "tab\t\r\n"},
        {"lone cr \r", "lone cr \r"},
        {"lone lf \n", "lone lf \n"},
        {"cr cr \r\r\n", "cr cr \r\r\n"},
        {"", ""},
        // "メ" is 0x83 0x81: its trail byte and the "@" after it are no ideographic space.
        {"メ@\r\n", "メ@\r\n"},
        {"メ@ \r\nメ@", "メ@\r\nメ@"},
        // "ー" (0x81 0x5B) and "　" share the lead byte; only the space goes.
        {"ー　\r\n", "ー\r\n"},
        // A lead byte at the very end stands alone.
        {"a \r\n\x83", "a\r\n\x83"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, RemoveBlanksBeforeLineEnds(c.text)) << '"' << c.text << '"';
    EXPECT_STREQ("", RemoveBlanksBeforeLineEnds(nullptr));
}

TEST(HighLightTextTest, LongTextKeepsAllButItsLineEndBlanks)
{
    std::string text, expected;
    while (text.size() <= 4096) {
        text += "表示ソフト能 　 \r\n";
        expected += "表示ソフト能\r\n";
    }
    text += "end ";
    expected += "end ";
    EXPECT_STREQ(expected.c_str(), RemoveBlanksBeforeLineEnds(text.c_str()));

    // A long run of blanks before one line end goes at once.
    const std::string run = "x" + std::string(200000, ' ') + "\r\ny";
    EXPECT_STREQ("x\r\ny", RemoveBlanksBeforeLineEnds(run.c_str()));
}

TEST(HighLightTextTest, SameResultAsRepeatedReplacing)
{
    // Pieces that meet in every order: blanks, line-end bytes, and double-byte characters whose
    // bytes could be mistaken for a blank or an ideographic space.
    const char* const pieces[] = {" ", "　", "\r", "\n", "\r\n", "a",
                                  "@", "\t", "メ", "ー", "\x81", "表"};
    std::mt19937 random(20240601);
    std::uniform_int_distribution<size_t> pick(0, sizeof(pieces) / sizeof(pieces[0]) - 1);
    std::uniform_int_distribution<int> size(0, 24);
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (int n = size(random); n > 0; --n)
            text += pieces[pick(random)];
        EXPECT_STREQ(RemoveByRepeatedReplace(text.c_str()).c_str(),
                     RemoveBlanksBeforeLineEnds(text.c_str()))
            << "round " << round;
        if (::testing::Test::HasFailure())
            break;
    }
}
