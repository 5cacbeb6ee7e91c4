// CString: the program's string of multi-byte text, one pointer wide, on the C runtime's heap.
#include "base/String.h"

#include "base/Mbcs.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Sits in front of the characters of every heap string. A zero allocLength marks this module's
// shared empty string, which is never freed; every module has its own.
struct StringHeader
{
    int dataLength;
    int allocLength;
};

struct EmptyString
{
    StringHeader header;
    char text[1];
};
const EmptyString emptyString = {{0, 0}, {'\0'}};

char* EmptyText()
{
    return const_cast<char*>(emptyString.text);
}

StringHeader* HeaderOf(char* text)
{
    return reinterpret_cast<StringHeader*>(text) - 1;
}

// Out of memory leaves no sound way to go on: the string would lose text silently.
char* Allocate(int length)
{
    void* block = malloc(sizeof(StringHeader) + static_cast<size_t>(length) + 1);
    if (block == nullptr)
        abort();
    StringHeader* header = static_cast<StringHeader*>(block);
    header->dataLength = length;
    header->allocLength = length;
    char* text = reinterpret_cast<char*>(header + 1);
    text[length] = '\0';
    return text;
}

}  // namespace

CString::CString() : m_pchData(EmptyText()) {}

CString::CString(const char* text) : m_pchData(EmptyText())
{
    if (text != nullptr)
        AssignCopy(text, static_cast<int>(strlen(text)));
}

CString::CString(const char* text, int length) : m_pchData(EmptyText())
{
    if (text != nullptr && length > 0)
        AssignCopy(text, length);
}

CString::CString(const CString& other) : m_pchData(EmptyText())
{
    AssignCopy(other.m_pchData, other.GetLength());
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        AssignCopy(other.m_pchData, other.GetLength());
    return *this;
}

CString& CString::operator=(const char* text)
{
    if (text == nullptr)
        Empty();
    else
        AssignCopy(text, static_cast<int>(strlen(text)));
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text != nullptr)
        Append(text, static_cast<int>(strlen(text)));
    return *this;
}

int CString::GetLength() const
{
    return HeaderOf(m_pchData)->dataLength;
}

void CString::Empty()
{
    Release();
    m_pchData = EmptyText();
}

void CString::Release()
{
    if (HeaderOf(m_pchData)->allocLength > 0)
        free(HeaderOf(m_pchData));
}

void CString::AssignCopy(const char* text, int length)
{
    // Copy first: text may point into this string.
    char* copy = length > 0 ? Allocate(length) : EmptyText();
    if (length > 0)
        memcpy(copy, text, static_cast<size_t>(length));
    Release();
    m_pchData = copy;
}

void CString::Append(const char* text, int length)
{
    if (length <= 0)
        return;
    const int oldLength = GetLength();
    char* joined = Allocate(oldLength + length);
    memcpy(joined, m_pchData, static_cast<size_t>(oldLength));
    memcpy(joined + oldLength, text, static_cast<size_t>(length));
    Release();
    m_pchData = joined;
}

CString CString::Left(int count) const
{
    const int length = GetLength();
    if (count >= length)
        return *this;
    int end = 0;
    while (end < count) {
        const int step = static_cast<int>(CharLength(m_pchData + end));
        if (end + step > count)
            break;
        end += step;
    }
    return CString(m_pchData, end);
}

int CString::ReverseFind(char ch) const
{
    return FindLastChar(m_pchData, ch);
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
#ifdef _WIN32
    const int length = _vscprintf(format, measure);
#else
    const int length = vsnprintf(nullptr, 0, format, measure);
#endif
    va_end(measure);
    if (length <= 0) {
        Empty();
        return;
    }
    char* text = Allocate(length);
#ifdef _WIN32
    _vsnprintf(text, static_cast<size_t>(length) + 1, format, args);
#else
    vsnprintf(text, static_cast<size_t>(length) + 1, format, args);
#endif
    Release();
    m_pchData = text;
}

char* CString::GetBuffer(int minLength)
{
    const int length = GetLength();
    if (minLength <= HeaderOf(m_pchData)->allocLength && HeaderOf(m_pchData)->allocLength > 0)
        return m_pchData;
    // Never the shared empty string, even for no room at all: it is read-only, and the caller
    // writes at least the terminator.
    int size = minLength > length ? minLength : length;
    if (size == 0)
        size = 1;
    char* grown = Allocate(size);
    memcpy(grown, m_pchData, static_cast<size_t>(length) + 1);
    HeaderOf(grown)->dataLength = length;
    Release();
    m_pchData = grown;
    return m_pchData;
}

void CString::ReleaseBuffer(int newLength)
{
    if (HeaderOf(m_pchData)->allocLength == 0)
        return;
    if (newLength < 0)
        newLength = static_cast<int>(strlen(m_pchData));
    if (newLength > HeaderOf(m_pchData)->allocLength)
        newLength = HeaderOf(m_pchData)->allocLength;
    HeaderOf(m_pchData)->dataLength = newLength;
    m_pchData[newLength] = '\0';
}

bool operator==(const CString& a, const char* b)
{
    return strcmp(a, b != nullptr ? b : "") == 0;
}
