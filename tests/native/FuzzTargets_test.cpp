// The fuzz targets' oracles, run in every build over a fixed set of pseudo-random inputs. The
// inputs are strung from pieces that meet each rule's edges: blanks and line ends; signs, ASCII
// and full-width digits, numbers past the 32-bit bounds; letters, and double-byte characters
// whose trail byte is a backslash ("表"), a letter ("ア", "ヂ") or, with "@" after it, looks like
// an ideographic space ("メ@" is 0x83 0x81 0x40); lone lead bytes; and now and then any byte.
#include "tests/fuzz/FuzzTargets.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <stdexcept>

void FuzzCheckFailed(const char* condition, const char* file, int line)
{
    throw std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": " + condition);
}

namespace {

void RunOverPseudoRandomInputs(void (*target)(const uint8_t* data, size_t size))
{
    // clang-format off
    const char* const pieces[] = {" ", "　", "\t", "\r", "\n", "\r\n",
                                  "-", "+", "0", "9", "１", "2147483648", "99999999999999999999",
                                  "a", "Z", "@", "\\", "メ@", "ー", "表", "ア", "ヂ", "\x81", "\xF3"};
    // clang-format on
    std::mt19937 random(20240601);
    for (int round = 0; round < 4000; ++round) {
        std::string input;
        for (size_t n = random() % 17; n > 0; --n) {
            const size_t piece = random() % (std::size(pieces) + 2);
            if (piece < std::size(pieces))
                input += pieces[piece];
            else
                input += static_cast<char>(random() % 256);
        }
        try {
            target(reinterpret_cast<const uint8_t*>(input.data()), input.size());
        } catch (const std::exception& failure) {
            FAIL() << failure.what() << "\n  input " << ::testing::PrintToString(input);
        }
    }
}

}  // namespace

TEST(FuzzTargetsTest, NumberReadingAgreesWithStrtoll)
{
    RunOverPseudoRandomInputs(&FuzzNumberField);
}

TEST(FuzzTargetsTest, HighlightCleanUpAgreesWithPassByPassRemoval)
{
    RunOverPseudoRandomInputs(&FuzzHighLightText);
}

TEST(FuzzTargetsTest, CStringAgreesWithStdString)
{
    RunOverPseudoRandomInputs(&FuzzCString);
}
