// Text between the code pages and UTF-16, for the program and Mirel.DLL alike (header only).
#pragma once

#include "base/String.h"

#include <windows.h>

#include <stdlib.h>
#include <wchar.h>

// Multi-byte text of codePage as UTF-16, freed when the holder goes; invalid when it cannot be
// converted.
class CWideText
{
public:
    CWideText(const char* text, UINT codePage) : m_text(nullptr)
    {
        const int length = ::MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
        if (length <= 0)
            return;
        m_text = static_cast<wchar_t*>(malloc(static_cast<size_t>(length) * sizeof(wchar_t)));
        if (m_text != nullptr)
            ::MultiByteToWideChar(codePage, 0, text, -1, m_text, length);
    }
    ~CWideText() { free(m_text); }
    CWideText(const CWideText&) = delete;
    CWideText& operator=(const CWideText&) = delete;

    bool IsValid() const { return m_text != nullptr; }
    const wchar_t* Get() const { return m_text; }

private:
    wchar_t* m_text;
};

// The system code page's text of wide; true when it is exact: read back, it gives wide again,
// which a best-fit character ("é" as "e", the yen sign as a backslash in code page 932) does
// not. When it is not, narrow holds a form with '?' for what could not be kept, fit only to be
// shown to the user (a code page that refuses that choice, UTF-8, holds everything exactly).
inline bool NarrowExactly(const wchar_t* wide, CString& narrow)
{
    narrow.Empty();
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int size = ::WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        flags = 0;
        size = ::WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, nullptr, nullptr);
    }
    if (size <= 0)
        return false;
    ::WideCharToMultiByte(CP_ACP, flags, wide, -1, narrow.GetBuffer(size), size, nullptr, nullptr);
    narrow.ReleaseBuffer();
    const CWideText back(narrow, CP_ACP);
    return back.IsValid() && wcscmp(back.Get(), wide) == 0;
}
