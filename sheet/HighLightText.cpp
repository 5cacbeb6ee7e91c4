// The clean-up the highlight strings get before they are stored.
#include "sheet/HighLightText.h"

#include "base/Mbcs.h"

#include <string.h>

namespace {

bool IsBlank(const char* character, size_t length)
{
    return (length == 1 && character[0] == ' ') ||
           (length == 2 && character[0] == '\x81' && character[1] == '\x40');
}

}  // namespace

// One pass: characters are copied as they come, and a run of blanks already copied is taken
// back when a CR LF follows it. Removing blanks one per pass until none is left before a line
// end would do the same, but a long run of blanks would make that quadratic.
CString RemoveBlanksBeforeLineEnds(const char* text)
{
    if (text == nullptr)
        return CString();
    const int length = static_cast<int>(strlen(text));
    CString result;
    if (length == 0)
        return result;
    char* out = result.GetBuffer(length);
    int written = 0;
    int runStart = -1;  // where the blanks just copied begin, or -1 when the last copied isn't one
    for (const char* p = text; *p != '\0';) {
        const size_t step = CharLength(p);
        if (p[0] == '\r' && p[1] == '\n' && runStart >= 0)
            written = runStart;
        if (IsBlank(p, step)) {
            if (runStart < 0)
                runStart = written;
        } else {
            runStart = -1;
        }
        memcpy(out + written, p, step);
        written += static_cast<int>(step);
        p += step;
    }
    result.ReleaseBuffer(written);
    return result;
}
