// Holders that release a Win32 resource when the scope that took it ends (registry keys:
// RegistryKey.h).
#pragma once

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

// Shared shape: owns one handle value; Invalid marks "holds nothing", Close releases.
template <class Traits>
class CScoped
{
public:
    typedef typename Traits::Type Type;

    CScoped() : m_value(Traits::Invalid()) {}
    explicit CScoped(Type value) : m_value(value) {}
    ~CScoped() { Reset(); }

    CScoped(const CScoped&) = delete;
    CScoped& operator=(const CScoped&) = delete;

    Type Get() const { return m_value; }
    bool IsValid() const { return m_value != Traits::Invalid(); }
    // For APIs that hand out the handle through a pointer; the old one is released first.
    Type* Receive()
    {
        Reset();
        return &m_value;
    }
    void Reset(Type value = Traits::Invalid())
    {
        if (IsValid())
            Traits::Close(m_value);
        m_value = value;
    }
    // Gives up ownership: the handle outlives this holder.
    Type Detach()
    {
        Type value = m_value;
        m_value = Traits::Invalid();
        return value;
    }

private:
    Type m_value;
};

struct KernelHandleTraits
{
    typedef HANDLE Type;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::CloseHandle(h); }
};

struct FindHandleTraits
{
    typedef HANDLE Type;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { ::FindClose(h); }
};

struct ModuleTraits
{
    typedef HMODULE Type;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::FreeLibrary(h); }
};

struct BstrTraits
{
    typedef BSTR Type;
    static Type Invalid() { return nullptr; }
    static void Close(Type s) { ::SysFreeString(s); }
};

// For handles that are null on failure (CreateMutex, CreateEvent, CreateThread, OpenProcessToken).
// Not for CreateFile, which fails with INVALID_HANDLE_VALUE: this holder would take that for a
// handle and close it.
typedef CScoped<KernelHandleTraits> CScopedHandle;
typedef CScoped<FindHandleTraits> CScopedFind;  // FindFirstFile
typedef CScoped<ModuleTraits> CScopedModule;    // LoadLibrary
typedef CScoped<BstrTraits> CScopedBstr;        // SysAllocString, SysAllocStringLen

// One COM interface pointer, released at the end of the scope.
template <class Interface>
class CScopedInterface
{
public:
    CScopedInterface() : m_p(nullptr) {}
    ~CScopedInterface() { Release(); }
    CScopedInterface(const CScopedInterface&) = delete;
    CScopedInterface& operator=(const CScopedInterface&) = delete;

    Interface* operator->() const { return m_p; }
    Interface* Get() const { return m_p; }
    // For methods that hand out an interface of this very type.
    Interface** ReceiveTyped()
    {
        Release();
        return &m_p;
    }
    // For CoCreateInstance and QueryInterface.
    void** Receive() { return reinterpret_cast<void**>(ReceiveTyped()); }
    void Release()
    {
        if (m_p != nullptr) {
            m_p->Release();
            m_p = nullptr;
        }
    }

private:
    Interface* m_p;
};

// Enters a single-threaded COM apartment for the scope; leaves it only if entering succeeded.
class CScopedComInit
{
public:
    CScopedComInit() : m_hr(::CoInitialize(nullptr)) {}
    ~CScopedComInit()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    CScopedComInit(const CScopedComInit&) = delete;
    CScopedComInit& operator=(const CScopedComInit&) = delete;

    bool Succeeded() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};
