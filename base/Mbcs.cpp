// Double-byte character helpers in the system ANSI code page.
#include "base/Mbcs.h"

#ifdef _WIN32
#include <windows.h>

bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}
#else
bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
#endif

int FindFirstChar(const char* text, char ch)
{
    for (const char* p = text; *p != '\0'; p += CharLength(p)) {
        if (*p == ch)
            return static_cast<int>(p - text);
    }
    return -1;
}

int FindLastChar(const char* text, char ch)
{
    int found = -1;
    for (const char* p = text; *p != '\0'; p += CharLength(p)) {
        if (*p == ch)
            found = static_cast<int>(p - text);
    }
    return found;
}

static unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

int CompareNamesIgnoreCase(const char* a, const char* b)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
    for (;;) {
        const bool leadP = IsLeadByte(*p) && p[1] != 0;
        const bool leadQ = IsLeadByte(*q) && q[1] != 0;
        if (leadP && leadQ) {
            if (p[0] != q[0])
                return p[0] - q[0];
            if (p[1] != q[1])
                return p[1] - q[1];
            p += 2;
            q += 2;
            continue;
        }
        const unsigned char cp = leadP ? *p : FoldAscii(*p);
        const unsigned char cq = leadQ ? *q : FoldAscii(*q);
        if (cp != cq || cp == 0)
            return cp - cq;
        ++p;
        ++q;
    }
}
