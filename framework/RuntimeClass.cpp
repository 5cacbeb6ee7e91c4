// Run-time class records: a class's name, its base, and for some a way to create it by name.
#include "framework/RuntimeClass.h"

#include <string.h>

namespace {
const CRuntimeClass* firstClass = nullptr;
}

const CRuntimeClass CObject::classCObject("CObject", nullptr, nullptr);

CRuntimeClass::CRuntimeClass(const char* className, const CRuntimeClass* baseClass,
                             CObject* (*createObject)())
    : m_lpszClassName(className), m_pBaseClass(baseClass), m_pfnCreateObject(createObject),
      m_pNextClass(firstClass)
{
    firstClass = this;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* baseClass) const
{
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == baseClass)
            return true;
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    for (const CRuntimeClass* c = firstClass; c != nullptr; c = c->m_pNextClass) {
        if (strcmp(c->m_lpszClassName, className) == 0)
            return c;
    }
    return nullptr;
}
