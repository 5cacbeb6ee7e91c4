// Run-time class records: a class registered under its name, and for some a way to create it by
// name.
#pragma once

class CObject;

struct CRuntimeClass
{
    // Records link themselves into one list when the program starts, so FromName finds them.
    CRuntimeClass(const char* className, CObject* (*createObject)());

    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();  // null: the class cannot be created by name
    const CRuntimeClass* m_pNextClass;

    // A new object of this class, or null when the class has no creation registered.
    CObject* CreateObject() const;

    // The record registered under exactly this name, or null.
    static const CRuntimeClass* FromName(const char* className);
};

// Creation function for CRuntimeClass records of classes with a default constructor.
template <class T>
CObject* CreateObjectOf()
{
    return new T;
}

class CObject
{
public:
    virtual ~CObject() {}
    // The class's record; null for a class registered under no name of its own.
    virtual const CRuntimeClass* GetRuntimeClass() const { return nullptr; }

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
