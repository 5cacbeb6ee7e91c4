// The names a failure message lists: a few of them, then "…" for the rest.
#include "setup/NameReport.h"

namespace {
// Enough to say what went wrong; a box of hundreds of lines would not fit the screen.
const int kNamesShown = 5;
}  // namespace

void CNameReport::Add(const char* name)
{
    if (m_count < kNamesShown) {
        // A control character shown as "?": a line break in a name would make lines of its own
        // in the message, text that seems to be the program's.
        CString shown(name);
        for (char* p = shown.GetBuffer(0); *p != '\0'; ++p) {
            if (static_cast<unsigned char>(*p) < 0x20)
                *p = '?';
        }
        shown.ReleaseBuffer();
        m_lines += "　";
        m_lines += shown;
        m_lines += "\n";
    } else if (m_count == kNamesShown) {
        m_lines += "　…\n";
    }
    ++m_count;
}
