// The names a failure message lists: a few of them, then "…" for the rest.
#include "setup/NameReport.h"

namespace {
// Enough to say what went wrong; a box of hundreds of lines would not fit the screen.
const int kNamesShown = 5;
}  // namespace

void CNameReport::Add(const char* name)
{
    if (m_count < kNamesShown) {
        m_lines += "　";
        m_lines += name;
        m_lines += "\n";
    } else if (m_count == kNamesShown) {
        m_lines += "　…\n";
    }
    ++m_count;
}
