#include "KeySecurity.h"

#include <aclapi.h>
#include <sddl.h>

namespace {

struct LocalMemory {
    PSECURITY_DESCRIPTOR Descriptor = nullptr;
    ~LocalMemory() { ::LocalFree(Descriptor); }
};

std::string NamedKey(const std::string& path)
{
    return "MACHINE\\" + path;
}

}  // namespace

GroupAccess UsersAccess(const std::string& path)
{
    GroupAccess access;
    PACL dacl = nullptr;
    LocalMemory memory;
    if (::GetNamedSecurityInfoA(NamedKey(path).c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                &dacl, nullptr, &memory.Descriptor) != ERROR_SUCCESS || !dacl)
        return access;
    BYTE usersSid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof usersSid;
    if (!::CreateWellKnownSid(WinBuiltinUsersSid, nullptr, usersSid, &sidSize))
        return access;
    access.Read = true;
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        void* entry = nullptr;
        if (!::GetAce(dacl, index, &entry))
            continue;
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        if (!::EqualSid(&allowed->SidStart, usersSid))
            continue;
        if (!(header->AceFlags & INHERIT_ONLY_ACE))
            access.OnKey |= allowed->Mask;
        if (header->AceFlags & CONTAINER_INHERIT_ACE)
            access.ForSubkeys |= allowed->Mask;
    }
    return access;
}

std::string KeySecurityText(const std::string& path)
{
    LocalMemory memory;
    const SECURITY_INFORMATION parts = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                       DACL_SECURITY_INFORMATION;
    if (::GetNamedSecurityInfoA(NamedKey(path).c_str(), SE_REGISTRY_KEY, parts, nullptr, nullptr, nullptr, nullptr,
                                &memory.Descriptor) != ERROR_SUCCESS)
        return "(unreadable)";
    char* text = nullptr;
    if (!::ConvertSecurityDescriptorToStringSecurityDescriptorA(memory.Descriptor, SDDL_REVISION_1, parts, &text,
                                                                nullptr))
        return "(not convertible)";
    std::string result = text;
    ::LocalFree(text);
    return result;
}
