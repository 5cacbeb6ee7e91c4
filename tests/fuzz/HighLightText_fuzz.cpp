// The highlight clean-up against a slow loop that removes one blank before a line end at a time.
#include "FuzzTargets.h"
#include "Reference.h"
#include "sheet/HighLightText.h"

#include <string.h>

namespace {

bool IsBlank(const std::string& character)
{
    return character == " " || character == "\x81\x40";
}

// Takes away blank characters standing directly before CR LF, a pass at a time, until a pass
// finds none.
std::string ReferenceCleanUp(const std::string& text)
{
    std::vector<std::string> characters = reference::Characters(text);
    for (bool removed = true; removed;) {
        removed = false;
        std::vector<std::string> kept;
        for (size_t i = 0; i < characters.size(); ++i) {
            if (IsBlank(characters[i]) && i + 2 < characters.size() && characters[i + 1] == "\r" &&
                characters[i + 2] == "\n") {
                removed = true;
                continue;
            }
            kept.push_back(characters[i]);
        }
        characters.swap(kept);
    }
    std::string result;
    for (const std::string& character : characters)
        result += character;
    return result;
}

}  // namespace

void FuzzHighLightText(const uint8_t* data, size_t size)
{
    // Long inputs teach nothing more and make the reference slow.
    if (size > 4096)
        return;
    const std::string text =
        reference::AsCString(std::string(reinterpret_cast<const char*>(data), size));
    const reference::ExactText exact(text);
    const CString cleaned = RemoveBlanksBeforeLineEnds(exact.Get());
    const std::string expected = ReferenceCleanUp(text);
    FUZZ_CHECK(cleaned.GetLength() == static_cast<int>(strlen(cleaned)));
    FUZZ_CHECK(expected == static_cast<const char*>(cleaned));
    // A second clean-up finds nothing left to do.
    FUZZ_CHECK(strcmp(RemoveBlanksBeforeLineEnds(cleaned), cleaned) == 0);
}
