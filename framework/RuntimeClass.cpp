// Run-time class records: a class registered under its name, and for some a way to create it by
// name.
#include "framework/RuntimeClass.h"

#include <string.h>

namespace {
const CRuntimeClass* firstClass = nullptr;
}

CRuntimeClass::CRuntimeClass(const char* className, CObject* (*createObject)())
    : m_lpszClassName(className), m_pfnCreateObject(createObject), m_pNextClass(firstClass)
{
    firstClass = this;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    for (const CRuntimeClass* c = firstClass; c != nullptr; c = c->m_pNextClass) {
        if (strcmp(c->m_lpszClassName, className) == 0)
            return c;
    }
    return nullptr;
}
