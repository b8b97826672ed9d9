// A registry key's access list read back and changed with the system's security functions:
// what a group may do on a key below HKEY_LOCAL_MACHINE, and a refusal set for one test.
#ifndef SKYLOOK_TESTS_KEY_SECURITY_H
#define SKYLOOK_TESTS_KEY_SECURITY_H

#include <windows.h>
#include <accctrl.h>

#include <string>

struct GroupAccess {
    ACCESS_MASK OnKey = 0;         // allowed on the key itself
    ACCESS_MASK ForSubkeys = 0;    // allowed by entries that keys below it inherit
    bool Read = false;             // false when the list could not be read
};

// The union of the trustee's allow entries in the key's DACL; the trustee as SID text.
GroupAccess TrusteeAccess(const std::string& path, const char* sid);
// The Users group's (S-1-5-32-545).
GroupAccess UsersAccess(const std::string& path);
// OWNER RIGHTS' (S-1-3-4): what the key's owner is held to.
GroupAccess OwnerRightsAccess(const std::string& path);

// The key's owner, group and DACL as security descriptor text, to compare before and after.
std::string KeySecurityText(const std::string& path);

// Sets the key's owner and DACL from security descriptor text ("O:...D:...").
void SetKeySecurityText(const std::string& path, const std::string& text);
// The SID of the user the test runs as, as text.
std::string CurrentUserSid();

// Adds an entry for the trustee (SID text) to the key's access list, as SetEntriesInAcl merges it.
void AddKeyEntry(const std::string& path, ACCESS_MODE mode, const char* sid, ACCESS_MASK rights, DWORD inheritance);

// Refuses everyone the rights on the key while the object lives (the registry enforces access
// lists under Wine too), then puts the key's list back.
class CRefusedKeyAccess {
public:
    CRefusedKeyAccess(const std::string& path, ACCESS_MASK refused);
    ~CRefusedKeyAccess();
    CRefusedKeyAccess(const CRefusedKeyAccess&) = delete;
    CRefusedKeyAccess& operator=(const CRefusedKeyAccess&) = delete;

private:
    std::string m_path;
    std::string m_list;  // the DACL as it was, as text
};

#endif
