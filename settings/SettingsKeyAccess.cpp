#include "settings/SettingsKeyAccess.h"

#include "framework/Handles.h"
#include "settings/RegistryTree.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct CSidFree {
    void operator()(PSID sid) const { ::FreeSid(sid); }
};
using CSid = COwnedHandle<PSID, CSidFree>;

CSid WellKnownSid(SID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD first, DWORD second)
{
    PSID sid = nullptr;
    if (!::AllocateAndInitializeSid(&authority, count, first, second, 0, 0, 0, 0, 0, 0, &sid))
        return CSid();
    return CSid(sid);
}

// The trustees whose entries the grant sets, by their well-known SIDs: the names differ with
// the system's language. OWNER RIGHTS stands for whoever owns the key and replaces the
// owner's implicit right to change the access list. CREATOR OWNER's entries go and get no
// new one: HKLM\SOFTWARE passes one down that would give the user who makes a profile full
// control of its key, access list included; what it gave the makers of keys that exist
// already goes too.
struct Trustees {
    CSid Users = WellKnownSid(SECURITY_NT_AUTHORITY, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS);
    CSid Owner = WellKnownSid(SECURITY_CREATOR_SID_AUTHORITY, 1, SECURITY_CREATOR_OWNER_RIGHTS_RID, 0);
    CSid Creator = WellKnownSid(SECURITY_CREATOR_SID_AUTHORITY, 1, SECURITY_CREATOR_OWNER_RID, 0);
    // Owners whose inherited entries are the system's own, not a user's.
    CSid Administrators =
        WellKnownSid(SECURITY_NT_AUTHORITY, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS);
    CSid System = WellKnownSid(SECURITY_NT_AUTHORITY, 1, SECURITY_LOCAL_SYSTEM_RID, 0);
};

// Profile keys made later take this from the profile key; no further, as they hold no keys.
constexpr BYTE ForProfileKeys = CONTAINER_INHERIT_ACE | INHERIT_ONLY_ACE | NO_PROPAGATE_INHERIT_ACE;

bool IsReplacedEntry(const ACE_HEADER* header, const Trustees& trustees, PSID owner)
{
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE)
        return false;
    PSID sid = const_cast<DWORD*>(&reinterpret_cast<const ACCESS_ALLOWED_ACE*>(header)->SidStart);
    if (::EqualSid(sid, trustees.Users) || ::EqualSid(sid, trustees.Owner) || ::EqualSid(sid, trustees.Creator))
        return true;
    // What CREATOR OWNER gave the user who made the key before it was taken off.
    return (header->AceFlags & INHERITED_ACE) && owner && ::EqualSid(sid, owner) &&
           !::EqualSid(owner, trustees.Administrators) && !::EqualSid(owner, trustees.System);
}

// The key's list with the trustees' allow entries replaced by the given rights; every other
// entry is kept in its place, the new ones after the key's own entries and before the
// inherited ones, where the system expects them. Earlier grants gave more, inherited or
// not; they go with the rest of the trustees' entries.
bool RebuiltList(PACL current, PSID owner, const Trustees& trustees, ACCESS_MASK onKey, ACCESS_MASK forSubkeys,
                 std::vector<BYTE>& list)
{
    std::vector<const ACE_HEADER*> own;
    std::vector<const ACE_HEADER*> inherited;
    DWORD size = sizeof(ACL);
    for (DWORD index = 0; current && index < current->AceCount; ++index) {
        void* entry = nullptr;
        if (!::GetAce(current, index, &entry))
            return false;
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        if (IsReplacedEntry(header, trustees, owner))
            continue;
        (header->AceFlags & INHERITED_ACE ? inherited : own).push_back(header);
        size += header->AceSize;
    }
    const DWORD entrySize = sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);
    size += 4 * (entrySize + ::GetLengthSid(trustees.Users) + ::GetLengthSid(trustees.Owner));
    list.assign(size, 0);
    auto* acl = reinterpret_cast<PACL>(list.data());
    const DWORD revision = current && current->AclRevision > ACL_REVISION ? current->AclRevision : ACL_REVISION;
    if (!::InitializeAcl(acl, size, revision))
        return false;
    const auto copy = [acl](const std::vector<const ACE_HEADER*>& entries) {
        for (const ACE_HEADER* header : entries)
            if (!::AddAce(acl, acl->AclRevision, MAXDWORD, const_cast<ACE_HEADER*>(header), header->AceSize))
                return false;
        return true;
    };
    if (!copy(own))
        return false;
    for (PSID trustee : {trustees.Users.Get(), trustees.Owner.Get()}) {
        if (onKey && !::AddAccessAllowedAceEx(acl, acl->AclRevision, 0, onKey, trustee))
            return false;
        if (forSubkeys && !::AddAccessAllowedAceEx(acl, acl->AclRevision, ForProfileKeys, forSubkeys, trustee))
            return false;
    }
    return copy(inherited);
}

bool SameEntries(PACL first, PACL second)
{
    if (!first || !second || first->AceCount != second->AceCount)
        return false;
    for (DWORD index = 0; index < first->AceCount; ++index) {
        void* a = nullptr;
        void* b = nullptr;
        if (!::GetAce(first, index, &a) || !::GetAce(second, index, &b))
            return false;
        const WORD size = static_cast<const ACE_HEADER*>(a)->AceSize;
        if (size != static_cast<const ACE_HEADER*>(b)->AceSize || std::memcmp(a, b, size) != 0)
            return false;
    }
    return true;
}

// Sets the entries on the key the handle was opened on. The handle's own call is used, not
// the named one: a name is looked up again (and would follow a link), and the named call
// also passes inheritable entries on to every key below, links included.
DWORD GrantOnKey(HKEY key, const Trustees& trustees, ACCESS_MASK onKey, ACCESS_MASK forSubkeys)
{
    constexpr SECURITY_INFORMATION read = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD size = 0;
    LONG result = ::RegGetKeySecurity(key, read, nullptr, &size);
    if (result != ERROR_INSUFFICIENT_BUFFER)
        return static_cast<DWORD>(result);
    std::vector<BYTE> descriptor(size);
    result = ::RegGetKeySecurity(key, read, descriptor.data(), &size);
    if (result != ERROR_SUCCESS)
        return static_cast<DWORD>(result);
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL current = nullptr;
    PSID owner = nullptr;
    BOOL ownerDefaulted = FALSE;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (!::GetSecurityDescriptorDacl(descriptor.data(), &present, &current, &defaulted) ||
        !::GetSecurityDescriptorOwner(descriptor.data(), &owner, &ownerDefaulted) ||
        !::GetSecurityDescriptorControl(descriptor.data(), &control, &revision))
        return ::GetLastError();
    std::vector<BYTE> list;
    if (!RebuiltList(present ? current : nullptr, owner, trustees, onKey, forSubkeys, list))
        return ::GetLastError();
    // Written only when it differs, so that a second run leaves the key untouched.
    if (present && SameEntries(current, reinterpret_cast<PACL>(list.data())))
        return ERROR_SUCCESS;
    SECURITY_DESCRIPTOR updated;
    if (!::InitializeSecurityDescriptor(&updated, SECURITY_DESCRIPTOR_REVISION) ||
        !::SetSecurityDescriptorDacl(&updated, TRUE, reinterpret_cast<PACL>(list.data()), FALSE) ||
        !::SetSecurityDescriptorControl(&updated, SE_DACL_AUTO_INHERITED | SE_DACL_PROTECTED,
                                        control & (SE_DACL_AUTO_INHERITED | SE_DACL_PROTECTED)))
        return ::GetLastError();
    return static_cast<DWORD>(::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &updated));
}

constexpr REGSAM SecurityAccess = READ_CONTROL | WRITE_DAC | KEY_QUERY_VALUE;

// Opens parent\name as itself and grants on it; a link is left alone.
DWORD GrantOnSubkey(HKEY parent, const wchar_t* name, const Trustees& trustees, ACCESS_MASK onKey)
{
    CRegistryKey key;
    const LONG opened = ::RegOpenKeyExW(parent, name, REG_OPTION_OPEN_LINK, SecurityAccess, key.Receive());
    if (opened == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;  // removed meanwhile
    if (opened != ERROR_SUCCESS)
        return static_cast<DWORD>(opened);
    return IsRegistryLink(key) ? ERROR_SUCCESS : GrantOnKey(key, trustees, onKey, 0);
}

// The profiles stored before the grant: keys made later take the profile key's inheritable
// entries from the system (Windows passes them on; Wine does not), these do not.
DWORD GrantOnProfiles(HKEY profiles, const Trustees& trustees)
{
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD index = 0; ::RegEnumKeyW(profiles, index, name, 256) == ERROR_SUCCESS; ++index)
        names.emplace_back(name);
    for (const std::wstring& profile : names)
        if (const DWORD result = GrantOnSubkey(profiles, profile.c_str(), trustees, UsersProfileAccess))
            return result;
    return ERROR_SUCCESS;
}

// Opens the key as itself, creating it first when it is missing (a key that is there is
// not created again: that would follow a link).
LONG CreateAndOpen(const std::string& path, REGSAM access, CRegistryKey& key)
{
    const LONG opened = OpenKeyItself(HKEY_LOCAL_MACHINE, path.c_str(), access, key.Receive());
    if (opened != ERROR_FILE_NOT_FOUND)
        return opened;
    {
        CRegistryKey created;
        const LONG result = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_READ, nullptr,
                                              created.Receive(), nullptr);
        if (result != ERROR_SUCCESS)
            return result;
    }
    return OpenKeyItself(HKEY_LOCAL_MACHINE, path.c_str(), access, key.Receive());
}

struct FixedKey {
    const char* Name;  // below the settings key; empty for the settings key itself
    ACCESS_MASK OnKey;
    ACCESS_MASK ForSubkeys;
};

const FixedKey FixedKeys[] = {
    {"", UsersRootAccess, 0},
    {"DEFAULT", UsersDefaultsAccess, 0},
    {"PROFILE", UsersProfileRootAccess, UsersProfileAccess},
};

}  // namespace

DWORD GrantUsersSettingsAccess()
{
    const Trustees trustees;
    if (!trustees.Users || !trustees.Owner || !trustees.Creator || !trustees.Administrators || !trustees.System)
        return ::GetLastError();
    for (const FixedKey& fixed : FixedKeys) {
        const std::string path = *fixed.Name ? std::string(SettingsRootPath) + "\\" + fixed.Name : SettingsRootPath;
        CRegistryKey key;
        if (const LONG opened = CreateAndOpen(path, SecurityAccess | KEY_ENUMERATE_SUB_KEYS, key))
            return static_cast<DWORD>(opened);
        if (IsRegistryLink(key))
            continue;
        DWORD result = GrantOnKey(key, trustees, fixed.OnKey, fixed.ForSubkeys);
        if (result == ERROR_SUCCESS && fixed.ForSubkeys)
            result = GrantOnProfiles(key, trustees);
        if (result != ERROR_SUCCESS)
            return result;
    }
    return ERROR_SUCCESS;
}
