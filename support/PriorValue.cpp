// A registry value as it was before the registration wrote it, to be put back when the
// registration fails half way.
#include "support/PriorValue.h"

#include <stdlib.h>

CPriorValue::~CPriorValue()
{
    free(m_data);
}

LONG CPriorValue::Read(HKEY key, const wchar_t* name)
{
    DWORD size = 0;
    LONG result = ::RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &size);
    if (result == ERROR_FILE_NOT_FOUND) {
        m_known = true;
        return ERROR_SUCCESS;
    }
    if (result != ERROR_SUCCESS)
        return result;
    m_data = static_cast<BYTE*>(malloc(size > 0 ? size : 1));
    if (m_data == nullptr)
        return ERROR_NOT_ENOUGH_MEMORY;
    result = ::RegQueryValueExW(key, name, nullptr, &m_type, m_data, &size);
    if (result != ERROR_SUCCESS)
        return result;  // changed in between: not known, so not to be written over
    m_size = size;
    m_known = m_existed = true;
    return ERROR_SUCCESS;
}

void CPriorValue::Restore(HKEY key, const wchar_t* name) const
{
    if (!m_known)
        return;
    if (m_existed)
        ::RegSetValueExW(key, name, 0, m_type, m_data, m_size);
    else
        ::RegDeleteValueW(key, name);
}
