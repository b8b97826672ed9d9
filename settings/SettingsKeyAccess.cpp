#include "settings/SettingsKeyAccess.h"

#include "framework/Handles.h"

#include <aclapi.h>

#include <string>

namespace {

// Memory the security functions allocate with LocalAlloc.
struct CLocalFree {
    void operator()(HLOCAL memory) const { ::LocalFree(memory); }
};
using CLocalMemory = COwnedHandle<HLOCAL, CLocalFree>;

struct CSidFree {
    void operator()(PSID sid) const { ::FreeSid(sid); }
};
using CSid = COwnedHandle<PSID, CSidFree>;

// The Users group by its well-known SID, S-1-5-32-545: its name differs with the system's
// language.
CSid UsersGroup()
{
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID sid = nullptr;
    if (!::AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 0, 0, 0, 0,
                                    0, 0, &sid))
        return CSid();
    return CSid(sid);
}

EXPLICIT_ACCESSA GrantTo(PSID group, ACCESS_MASK access, DWORD inheritance)
{
    EXPLICIT_ACCESSA entry = {};
    entry.grfAccessPermissions = access;
    entry.grfAccessMode = GRANT_ACCESS;
    entry.grfInheritance = inheritance;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entry.Trustee.ptstrName = static_cast<LPSTR>(group);
    return entry;
}

}  // namespace

DWORD GrantUsersSettingsAccess()
{
    {
        CRegistryKey key;
        const LONG created = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, SettingsRootPath, 0, nullptr, 0, KEY_READ,
                                               nullptr, key.Receive(), nullptr);
        if (created != ERROR_SUCCESS)
            return static_cast<DWORD>(created);
    }

    // The named form: setting a key's list through it passes the inheritable entries on to
    // the keys that exist below it already (those of an earlier install).
    std::string name = std::string("MACHINE\\") + SettingsRootPath;
    PACL current = nullptr;
    CLocalMemory descriptor;
    PSECURITY_DESCRIPTOR received = nullptr;
    DWORD result = ::GetNamedSecurityInfoA(name.c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                                           nullptr, &current, nullptr, &received);
    descriptor.Reset(received);
    if (result != ERROR_SUCCESS)
        return result;

    const CSid users = UsersGroup();
    if (!users)
        return ::GetLastError();
    EXPLICIT_ACCESSA grants[] = {
        GrantTo(users, UsersSettingsAccess, SUB_CONTAINERS_AND_OBJECTS_INHERIT),
        GrantTo(users, UsersSubkeyAccess, SUB_CONTAINERS_AND_OBJECTS_INHERIT | INHERIT_ONLY),
    };
    PACL merged = nullptr;
    result = ::SetEntriesInAclA(static_cast<ULONG>(std::size(grants)), grants, current, &merged);
    if (result != ERROR_SUCCESS)
        return result;
    const CLocalMemory mergedMemory(merged);
    return ::SetNamedSecurityInfoA(name.data(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, merged,
                                   nullptr);
}
