// The highlight clean-up against the rule in its plainest form: take away a blank (" " or "　")
// standing right before CR LF, pass after pass, until a pass finds none. Slow on long runs of
// blanks, but plainly right.
#include "sheet/HighLightText.h"
#include "tests/fuzz/FuzzTargets.h"

namespace {

std::string RemoveBlanksPassByPass(std::string text)
{
    for (bool removed = true; removed;) {
        removed = false;
        std::string kept;
        for (size_t at = 0; at < text.size();) {
            const std::string character = text.substr(at, CharLengthAt(text, at));
            at += character.size();
            const bool blank = character == " " || character == "\x81\x40";
            if (blank && text.compare(at, 2, "\r\n") == 0)
                removed = true;
            else
                kept += character;
        }
        text.swap(kept);
    }
    return text;
}

}  // namespace

void FuzzHighLightText(const uint8_t* data, size_t size)
{
    // Long inputs teach nothing more and make the oracle slow.
    if (size > 4096)
        return;
    const std::unique_ptr<char[]> text = ExactText(data, size);
    const CString cleaned = RemoveBlanksBeforeLineEnds(text.get());
    FUZZ_CHECK(RemoveBlanksPassByPass(text.get()) == static_cast<const char*>(cleaned));
    FUZZ_CHECK(cleaned.GetLength() == static_cast<int>(strlen(cleaned)));
}
