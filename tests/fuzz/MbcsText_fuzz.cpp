// Whole-character search, name comparison and path reading against models built on the text
// split into characters.
#include "FuzzTargets.h"
#include "Reference.h"
#include "base/Mbcs.h"
#include "base/PathText.h"

#include <ctype.h>

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Index of the first or last character that is exactly ch, or -1.
int ReferenceFind(const std::string& text, char ch, bool last)
{
    const std::vector<std::string> characters = reference::Characters(text);
    const std::vector<size_t> starts = reference::CharacterStarts(text);
    int found = -1;
    for (size_t i = 0; i < characters.size(); ++i) {
        if (characters[i] == std::string(1, ch)) {
            found = static_cast<int>(starts[i]);
            if (!last)
                break;
        }
    }
    return found;
}

// The bytes a name compares by: single-byte characters with ASCII letters folded to lower case,
// double-byte characters as they are; then the terminator.
std::string ComparisonKey(const std::string& name)
{
    std::string key;
    for (std::string character : reference::Characters(name)) {
        if (character.size() == 1 && character[0] >= 'A' && character[0] <= 'Z')
            character[0] = static_cast<char>(character[0] - 'A' + 'a');
        key += character;
    }
    key += '\0';
    return key;
}

int ReferenceCompare(const std::string& a, const std::string& b)
{
    const std::string keyA = ComparisonKey(a), keyB = ComparisonKey(b);
    for (size_t i = 0; i < keyA.size() && i < keyB.size(); ++i) {
        const int difference =
            static_cast<unsigned char>(keyA[i]) - static_cast<unsigned char>(keyB[i]);
        if (difference != 0)
            return Sign(difference);
    }
    return Sign(static_cast<int>(keyA.size()) - static_cast<int>(keyB.size()));
}

// ASCII letters of single-byte characters in upper case; trail bytes are left alone.
std::string UpperCaseLetters(const std::string& name)
{
    std::string upper;
    for (std::string character : reference::Characters(name)) {
        if (character.size() == 1 && character[0] >= 'a' && character[0] <= 'z')
            character[0] = static_cast<char>(character[0] - 'a' + 'A');
        upper += character;
    }
    return upper;
}

bool ReferenceEndsWithBackslash(const std::string& path)
{
    const std::vector<std::string> characters = reference::Characters(path);
    return !characters.empty() && characters.back() == "\\";
}

bool ReferenceIsAbsolute(const std::string& path)
{
    const std::vector<std::string> characters = reference::Characters(path);
    auto at = [&](size_t i) { return i < characters.size() ? characters[i] : std::string(); };
    const std::string drive = at(0);
    if (drive.size() == 1 && isalpha(static_cast<unsigned char>(drive[0])) && at(1) == ":" &&
        at(2) == "\\")
        return true;
    // "\\server\share": a server name of at least one character, then a share name.
    if (at(0) != "\\" || at(1) != "\\" || at(2).empty() || at(2) == "\\")
        return false;
    for (size_t i = 3; i < characters.size(); ++i) {
        if (characters[i] == "\\")
            return !at(i + 1).empty() && at(i + 1) != "\\";
    }
    return false;
}

}  // namespace

void FuzzMbcsText(const uint8_t* data, size_t size)
{
    reference::Input input(data, size);
    char ch = static_cast<char>(input.Byte());
    // Callers look for single-byte characters only ('\\', '.').
    if (reference::IsLead(static_cast<unsigned char>(ch)))
        ch = '\\';
    const std::string a = reference::AsCString(input.Text());
    const std::string b = reference::AsCString(input.Rest());
    const reference::ExactText exactA(a), exactB(b);

    FUZZ_CHECK(FindFirstChar(exactA.Get(), ch) == ReferenceFind(a, ch, false));
    FUZZ_CHECK(FindLastChar(exactA.Get(), ch) == ReferenceFind(a, ch, true));

    const int ab = CompareNamesIgnoreCase(exactA.Get(), exactB.Get());
    FUZZ_CHECK(Sign(ab) == ReferenceCompare(a, b));
    FUZZ_CHECK(Sign(ab) == -Sign(CompareNamesIgnoreCase(exactB.Get(), exactA.Get())));
    FUZZ_CHECK(CompareNamesIgnoreCase(exactA.Get(), exactA.Get()) == 0);
    const reference::ExactText upper(UpperCaseLetters(a));
    FUZZ_CHECK(CompareNamesIgnoreCase(exactA.Get(), upper.Get()) == 0);

    FUZZ_CHECK(EndsWithBackslash(exactA.Get()) == ReferenceEndsWithBackslash(a));
    FUZZ_CHECK(IsAbsolutePath(exactA.Get()) == ReferenceIsAbsolute(a));
}
