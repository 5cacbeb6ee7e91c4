// The names a failure message lists: a few of them, then "…" for the rest.
#pragma once

#include "base/String.h"

class CNameReport
{
public:
    CNameReport() : m_count(0) {}

    void Add(const char* name);
    bool IsEmpty() const { return m_count == 0; }
    // One indented line per name, the first few only, then "…" when there were more.
    const CString& Lines() const { return m_lines; }

private:
    CString m_lines;
    int m_count;
};
