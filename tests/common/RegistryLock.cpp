// Locks a registry key the way a user without the right to write it sees it.
#include "tests/common/RegistryLock.h"

#include <stdexcept>
#include <string>

LONG DenyWritingToKey(HKEY key)
{
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (!::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone))
        return static_cast<LONG>(::GetLastError());
    alignas(DWORD) unsigned char aclBuffer[256];
    PACL acl = reinterpret_cast<PACL>(aclBuffer);
    ::InitializeAcl(acl, sizeof(aclBuffer), ACL_REVISION);
    ::AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC | DELETE, everyone);
    SECURITY_DESCRIPTOR descriptor;
    ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    ::SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    const LONG result = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    ::FreeSid(everyone);
    return result;
}

void DenyWritingToKey(HKEY root, const char* name)
{
    HKEY key = nullptr;
    const bool denied = ::RegCreateKeyExA(root, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                          nullptr) == ERROR_SUCCESS &&
                        DenyWritingToKey(key) == ERROR_SUCCESS;
    if (key != nullptr)
        ::RegCloseKey(key);
    if (!denied)
        throw std::runtime_error(std::string("cannot lock ") + name);
}
