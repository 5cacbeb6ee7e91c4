// CString driven by a script of operations, against std::string with the same character rules.
#include "FuzzTargets.h"
#include "Reference.h"
#include "base/String.h"

#include <string.h>

#include <algorithm>

namespace {

// The longest run of whole characters from the start that fits in count bytes.
std::string ReferenceLeft(const std::string& text, int count)
{
    std::string left;
    for (const std::string& character : reference::Characters(text)) {
        if (static_cast<int>(left.size() + character.size()) > count)
            break;
        left += character;
    }
    return left;
}

int ReferenceReverseFind(const std::string& text, char ch)
{
    const std::vector<std::string> characters = reference::Characters(text);
    const std::vector<size_t> starts = reference::CharacterStarts(text);
    for (size_t i = characters.size(); i-- > 0;) {
        if (characters[i] == std::string(1, ch))
            return static_cast<int>(starts[i]);
    }
    return -1;
}

void CheckSame(const CString& text, const std::string& model)
{
    FUZZ_CHECK(text.GetLength() == static_cast<int>(model.size()));
    FUZZ_CHECK(memcmp(static_cast<const char*>(text), model.c_str(), model.size() + 1) == 0);
}

}  // namespace

void FuzzCString(const uint8_t* data, size_t size)
{
    reference::Input input(data, size);
    CString text;
    std::string model;
    for (int step = 0; step < 64 && !input.AtEnd(); ++step) {
        switch (input.Byte() % 8) {
        case 0: {
            const std::string assigned = reference::AsCString(input.Text());
            text = assigned.c_str();
            model = assigned;
            break;
        }
        case 1: {
            const std::string appended = reference::AsCString(input.Text());
            text += appended.c_str();
            model += appended;
            break;
        }
        case 2: {
            const int count = static_cast<int8_t>(input.Byte());
            const CString left = text.Left(count);
            CheckSame(left, ReferenceLeft(model, count));
            // A cut never leaves half a character: the rest starts where a character starts.
            const std::vector<size_t> starts = reference::CharacterStarts(model);
            FUZZ_CHECK(left.GetLength() == static_cast<int>(model.size()) ||
                       std::find(starts.begin(), starts.end(),
                                 static_cast<size_t>(left.GetLength())) != starts.end());
            break;
        }
        case 3: {
            char ch = static_cast<char>(input.Byte());
            // Callers look for single-byte characters only.
            if (reference::IsLead(static_cast<unsigned char>(ch)))
                ch = '\\';
            FUZZ_CHECK(text.ReverseFind(ch) == ReferenceReverseFind(model, ch));
            break;
        }
        case 4: {
            // Copies are independent; assigning a string its own text, or a part of it, is safe.
            CString copy(text);
            copy += "x";
            CheckSame(text, model);
            const CString& self = text;
            text = self;
            const size_t skip = input.Byte() % (model.size() + 1);
            text = static_cast<const char*>(text) + skip;
            model = model.substr(skip);
            break;
        }
        case 5: {
            // A buffer filled by hand, as GetWindowTextA fills one.
            const int room = input.Byte();
            char* buffer = text.GetBuffer(room);
            const int keep =
                room > static_cast<int>(model.size()) ? room : static_cast<int>(model.size());
            const int written = input.Byte() % (keep + 1);
            memset(buffer, 'w', static_cast<size_t>(written));
            buffer[written] = '\0';
            text.ReleaseBuffer();
            model = std::string(static_cast<size_t>(written), 'w');
            break;
        }
        case 6: {
            CString other(model.c_str(), static_cast<int>(model.size()));
            CheckSame(other, model);
            text.Empty();
            model.clear();
            text += other;
            model = static_cast<const char*>(other);
            break;
        }
        case 7: {
            const std::string other = reference::AsCString(input.Text());
            FUZZ_CHECK((text == other.c_str()) == (model == other));
            break;
        }
        }
        CheckSame(text, model);
    }
}
