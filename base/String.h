// CString: the program's string of multi-byte text, one pointer wide, on the C runtime's heap.
#pragma once

#include <stdarg.h>

// The library and the program exchange CString objects by value, so the layout (one pointer to
// the characters, a small header in front) and the heap (the C runtime's malloc/free, which
// both modules share through msvcrt) are part of the interface between them.
class CString
{
public:
    CString();
    CString(const char* text);
    CString(const char* text, int length);
    CString(const CString& other);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(const char* text);
    CString& operator+=(const char* text);

    operator const char*() const { return m_pchData; }
    int GetLength() const;
    bool IsEmpty() const { return GetLength() == 0; }
    void Empty();

    // The first count bytes, shortened by one when the cut would split a double-byte character.
    CString Left(int count) const;
    // Index of the last whole character ch, or -1; trail bytes of double-byte characters never
    // match.
    int ReverseFind(char ch) const;

    // printf-style formatting in the C runtime's conventions.
    void Format(const char* format, ...);
    void FormatV(const char* format, va_list args);

    // Direct access for APIs that fill a buffer: GetBuffer gives room for at least minLength
    // bytes plus a terminator; ReleaseBuffer takes the length (or measures it when -1).
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    void AssignCopy(const char* text, int length);
    void Append(const char* text, int length);
    void Release();

    char* m_pchData;
};

bool operator==(const CString& a, const char* b);
