// CString driven by a script of operations, against std::string. Left and ReverseFind take whole
// characters, which the oracle finds by code page 932's definition.
#include "base/String.h"
#include "tests/fuzz/FuzzTargets.h"

#include <algorithm>
#include <vector>

namespace {

// Byte offsets at which the characters of text start, and its end.
std::vector<size_t> CharacterStarts(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t at = 0; at < text.size(); at += CharLengthAt(text, at))
        starts.push_back(at);
    starts.push_back(text.size());
    return starts;
}

void CheckSame(const CString& text, const std::string& model)
{
    FUZZ_CHECK(text.GetLength() == static_cast<int>(model.size()));
    FUZZ_CHECK(memcmp(static_cast<const char*>(text), model.c_str(), model.size() + 1) == 0);
}

}  // namespace

void FuzzCString(const uint8_t* data, size_t size)
{
    size_t at = 0;
    auto byte = [&]() -> uint8_t { return at < size ? data[at++] : 0; };
    // A length byte (short texts meet the other operations' edges more often), then that many
    // bytes (fewer at the end), up to a zero byte.
    auto text = [&]() {
        const size_t length = std::min<size_t>(byte() % 16, size - at);
        const std::string bytes(reinterpret_cast<const char*>(data + at), length);
        at += length;
        return bytes.substr(0, bytes.find('\0'));
    };
    CString string;
    std::string model;
    for (int step = 0; step < 64 && at < size; ++step) {
        switch (byte() % 7) {
        case 0:
            model = text();
            if (model.empty())
                string.Empty();
            else
                string = model.c_str();
            break;
        case 1: {
            const std::string appended = text();
            string += appended.c_str();
            model += appended;
            break;
        }
        case 2: {
            // The longest run of whole characters that fits in count bytes: up to the last
            // character start at or before count.
            const size_t count = byte() % 24;
            const std::vector<size_t> starts = CharacterStarts(model);
            const size_t fits = *(std::upper_bound(starts.begin(), starts.end(), count) - 1);
            CheckSame(string.Left(static_cast<int>(count)), model.substr(0, fits));
            break;
        }
        case 3: {
            // Callers look for single-byte characters only.
            const char ch = static_cast<char>(byte() & 0x7F);
            int last = -1;
            for (const size_t start : CharacterStarts(model)) {
                if (start < model.size() && model[start] == ch)
                    last = static_cast<int>(start);
            }
            FUZZ_CHECK(string.ReverseFind(ch) == last);
            break;
        }
        case 4: {
            // Copies are independent; assigning itself, or a part of its own text, is safe.
            CString copy(string);
            copy += "x";
            CheckSame(string, model);
            const CString& self = string;
            string = self;
            const size_t skip = byte() % (model.size() + 1);
            string = static_cast<const char*>(string) + skip;
            model.erase(0, skip);
            break;
        }
        case 5: {
            // A buffer filled by hand, as GetWindowTextA fills one.
            const int room = byte();
            char* buffer = string.GetBuffer(room);
            const size_t written = byte() % (std::max<size_t>(room, model.size()) + 1);
            memset(buffer, 'w', written);
            buffer[written] = '\0';
            string.ReleaseBuffer();
            model.assign(written, 'w');
            break;
        }
        case 6: {
            // Formatting, with its own text among the arguments.
            const int number = static_cast<int8_t>(byte());
            string.Format("%s|%d", static_cast<const char*>(string), number);
            model += "|" + std::to_string(number);
            break;
        }
        }
        CheckSame(string, model);
    }
}
