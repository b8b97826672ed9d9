#include "KeySecurity.h"

#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

namespace {

struct LocalMemory {
    void* Pointer = nullptr;
    ~LocalMemory() { ::LocalFree(Pointer); }
};

std::string NamedKey(const std::string& path)
{
    return "MACHINE\\" + path;
}

std::string SecurityText(const std::string& path, SECURITY_INFORMATION parts)
{
    LocalMemory memory;
    if (::GetNamedSecurityInfoA(NamedKey(path).c_str(), SE_REGISTRY_KEY, parts, nullptr, nullptr, nullptr, nullptr,
                                &memory.Pointer) != ERROR_SUCCESS)
        return "(unreadable)";
    char* text = nullptr;
    if (!::ConvertSecurityDescriptorToStringSecurityDescriptorA(memory.Pointer, SDDL_REVISION_1, parts, &text,
                                                                nullptr))
        return "(not convertible)";
    std::string result = text;
    ::LocalFree(text);
    return result;
}

DWORD SetDacl(const std::string& path, PACL dacl)
{
    std::string name = NamedKey(path);
    return ::SetNamedSecurityInfoA(name.data(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl,
                                   nullptr);
}

}  // namespace

GroupAccess TrusteeAccess(const std::string& path, const char* sidText)
{
    GroupAccess access;
    PACL dacl = nullptr;
    LocalMemory memory;
    LocalMemory sid;
    if (::GetNamedSecurityInfoA(NamedKey(path).c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                &dacl, nullptr, &memory.Pointer) != ERROR_SUCCESS ||
        !dacl || !::ConvertStringSidToSidA(sidText, &sid.Pointer))
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
        if (!::EqualSid(&allowed->SidStart, sid.Pointer))
            continue;
        if (!(header->AceFlags & INHERIT_ONLY_ACE))
            access.OnKey |= allowed->Mask;
        if (header->AceFlags & CONTAINER_INHERIT_ACE)
            access.ForSubkeys |= allowed->Mask;
    }
    return access;
}

GroupAccess UsersAccess(const std::string& path)
{
    return TrusteeAccess(path, "S-1-5-32-545");
}

GroupAccess OwnerRightsAccess(const std::string& path)
{
    return TrusteeAccess(path, "S-1-3-4");
}

std::string KeySecurityText(const std::string& path)
{
    return SecurityText(path, OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION);
}

void SetKeySecurityText(const std::string& path, const std::string& text)
{
    LocalMemory descriptor;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA(text.c_str(), SDDL_REVISION_1,
                                                                      &descriptor.Pointer, nullptr))
        << text;
    PSID owner = nullptr;
    PACL dacl = nullptr;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    ASSERT_TRUE(::GetSecurityDescriptorOwner(descriptor.Pointer, &owner, &defaulted));
    ASSERT_TRUE(::GetSecurityDescriptorDacl(descriptor.Pointer, &present, &dacl, &defaulted));
    std::string name = NamedKey(path);
    ASSERT_EQ(ERROR_SUCCESS, ::SetNamedSecurityInfoA(name.data(), SE_REGISTRY_KEY,
                                                     OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, owner,
                                                     nullptr, dacl, nullptr))
        << path;
}

std::string CurrentUserSid()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::string();
    BYTE buffer[256] = {};
    DWORD size = 0;
    const BOOL read = ::GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size);
    ::CloseHandle(token);
    char* text = nullptr;
    if (!read || !::ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &text))
        return std::string();
    std::string sid = text;
    ::LocalFree(text);
    return sid;
}

void AddKeyEntry(const std::string& path, ACCESS_MODE mode, const char* sidText, ACCESS_MASK rights,
                 DWORD inheritance)
{
    PACL current = nullptr;
    LocalMemory memory;
    ASSERT_EQ(ERROR_SUCCESS, ::GetNamedSecurityInfoA(NamedKey(path).c_str(), SE_REGISTRY_KEY,
                                                     DACL_SECURITY_INFORMATION, nullptr, nullptr, &current, nullptr,
                                                     &memory.Pointer));
    LocalMemory sid;
    ASSERT_TRUE(::ConvertStringSidToSidA(sidText, &sid.Pointer)) << sidText;
    EXPLICIT_ACCESSA entry = {};
    entry.grfAccessPermissions = rights;
    entry.grfAccessMode = mode;
    entry.grfInheritance = inheritance;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entry.Trustee.ptstrName = static_cast<char*>(sid.Pointer);
    LocalMemory merged;
    PACL list = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::SetEntriesInAclA(1, &entry, current, &list));
    merged.Pointer = list;
    ASSERT_EQ(ERROR_SUCCESS, SetDacl(path, list)) << path;
}

CRefusedKeyAccess::CRefusedKeyAccess(const std::string& path, ACCESS_MASK refused)
    : m_path(path), m_list(SecurityText(path, DACL_SECURITY_INFORMATION))
{
    AddKeyEntry(path, DENY_ACCESS, "S-1-1-0", refused, NO_INHERITANCE);
}

CRefusedKeyAccess::~CRefusedKeyAccess()
{
    LocalMemory descriptor;
    PACL dacl = nullptr;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(m_list.c_str(), SDDL_REVISION_1, &descriptor.Pointer,
                                                                nullptr) ||
        !::GetSecurityDescriptorDacl(descriptor.Pointer, &present, &dacl, &defaulted)) {
        ADD_FAILURE() << "the access list of " << m_path << " could not be put back: " << m_list;
        return;
    }
    EXPECT_EQ(ERROR_SUCCESS, SetDacl(m_path, dacl)) << m_path;
}
