#include "settings/SettingsKeyAccess.h"

#include "framework/Handles.h"

#include <aclapi.h>

#include <iterator>
#include <string>
#include <vector>

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

// What the group's allow entries give on the key itself and pass on to the keys below it.
struct GroupRights {
    ACCESS_MASK OnKey = 0;
    ACCESS_MASK ForSubkeys = 0;
};

GroupRights RightsIn(PACL dacl, PSID group)
{
    GroupRights rights;
    for (DWORD index = 0; dacl && index < dacl->AceCount; ++index) {
        void* entry = nullptr;
        if (!::GetAce(dacl, index, &entry) || static_cast<ACE_HEADER*>(entry)->AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        if (!::EqualSid(&allowed->SidStart, group))
            continue;
        if (!(allowed->Header.AceFlags & INHERIT_ONLY_ACE))
            rights.OnKey |= allowed->Mask;
        if (allowed->Header.AceFlags & CONTAINER_INHERIT_ACE)
            rights.ForSubkeys |= allowed->Mask;
    }
    return rights;
}

// Adds the grants to the key's access list unless its entries give the group that much
// already, so that running the grant again adds no second copy.
DWORD MergeGrants(const std::string& path, PSID group, EXPLICIT_ACCESSA* grants, ULONG count, GroupRights wanted)
{
    std::string name = "MACHINE\\" + path;
    PACL current = nullptr;
    PSECURITY_DESCRIPTOR received = nullptr;
    DWORD result = ::GetNamedSecurityInfoA(name.c_str(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                                           nullptr, &current, nullptr, &received);
    const CLocalMemory descriptor(received);
    if (result != ERROR_SUCCESS)
        return result;
    const GroupRights held = RightsIn(current, group);
    if ((held.OnKey & wanted.OnKey) == wanted.OnKey && (held.ForSubkeys & wanted.ForSubkeys) == wanted.ForSubkeys)
        return ERROR_SUCCESS;
    PACL merged = nullptr;
    result = ::SetEntriesInAclA(count, grants, current, &merged);
    if (result != ERROR_SUCCESS)
        return result;
    const CLocalMemory mergedMemory(merged);
    // The named form passes inheritable entries on to the keys that exist below already.
    return ::SetNamedSecurityInfoA(name.data(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, merged,
                                   nullptr);
}

// Keys below the settings key that an earlier install or run left: Windows passed the new
// entries on to them when the settings key's list was set, but not every system does (Wine
// does not); a key that did not get them gets them as its own.
DWORD GrantBelow(const std::string& path, PSID group)
{
    std::vector<std::string> names;
    {
        CRegistryKey key;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
            return ERROR_SUCCESS;
        char name[256];
        for (DWORD index = 0; ::RegEnumKeyA(key, index, name, sizeof name) == ERROR_SUCCESS; ++index)
            names.emplace_back(name);
    }
    constexpr ACCESS_MASK access = UsersSettingsAccess | UsersSubkeyAccess;
    for (const std::string& name : names) {
        const std::string subkey = path + "\\" + name;
        EXPLICIT_ACCESSA grant = GrantTo(group, access, SUB_CONTAINERS_AND_OBJECTS_INHERIT);
        DWORD result = MergeGrants(subkey, group, &grant, 1, {access, access});
        if (result == ERROR_SUCCESS)
            result = GrantBelow(subkey, group);
        if (result != ERROR_SUCCESS)
            return result;
    }
    return ERROR_SUCCESS;
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
    const CSid users = UsersGroup();
    if (!users)
        return ::GetLastError();
    EXPLICIT_ACCESSA grants[] = {
        GrantTo(users, UsersSettingsAccess, SUB_CONTAINERS_AND_OBJECTS_INHERIT),
        GrantTo(users, UsersSubkeyAccess, SUB_CONTAINERS_AND_OBJECTS_INHERIT | INHERIT_ONLY),
    };
    const DWORD result = MergeGrants(SettingsRootPath, users, grants, static_cast<ULONG>(std::size(grants)),
                                     {UsersSettingsAccess, UsersSettingsAccess | UsersSubkeyAccess});
    return result == ERROR_SUCCESS ? GrantBelow(SettingsRootPath, users) : result;
}
