// Registry keys as themselves, never as what a registry link points at. Keys below the
// settings key may be made by standard users, and one of them may be a link to any key of
// HKEY_LOCAL_MACHINE; an administrator's walk over them must touch the link, not its target.
#ifndef SKYLOOK_REGISTRY_TREE_H
#define SKYLOOK_REGISTRY_TREE_H

#include <windows.h>

// Opens parent\name without following a link at its last step (intermediate steps are the
// caller's own path). Returns the Windows error code.
LONG OpenKeyItself(HKEY parent, const char* name, REGSAM access, HKEY* key);

// Whether the key, opened as itself, is a registry link: such a key holds its target as a
// REG_LINK value named SymbolicLinkValue. Asks for KEY_QUERY_VALUE on the key.
bool IsRegistryLink(HKEY key);

// Deletes the subkeys depth first, then the key itself; returns the Windows error code of
// the step that stopped it (ERROR_SUCCESS when the key is gone). A key whose subkeys could
// not all be removed is left in place. A link is deleted as the link: its target and what
// lies below the target stay.
LONG DeleteKeyTree(HKEY parent, const char* name);

#endif
