// A registry key's access list read back with the system's security functions, for the
// installer test: what the Users group may do on a key below HKEY_LOCAL_MACHINE.
#ifndef SKYLOOK_TESTS_KEY_SECURITY_H
#define SKYLOOK_TESTS_KEY_SECURITY_H

#include <windows.h>

#include <string>

struct GroupAccess {
    ACCESS_MASK OnKey = 0;         // allowed on the key itself
    ACCESS_MASK ForSubkeys = 0;    // allowed by entries that keys below it inherit
    bool Read = false;             // false when the list could not be read
};

// The union of the Users group's (S-1-5-32-545) allow entries in the key's DACL.
GroupAccess UsersAccess(const std::string& path);

// The key's owner, group and DACL as security descriptor text, to compare before and after.
std::string KeySecurityText(const std::string& path);

#endif
