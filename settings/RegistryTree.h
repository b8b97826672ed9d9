// Deleting a registry key with everything below it.
#ifndef SKYLOOK_REGISTRY_TREE_H
#define SKYLOOK_REGISTRY_TREE_H

#include <windows.h>

// Deletes the subkeys depth first, then the key itself; returns the Windows error code of
// the step that stopped it (ERROR_SUCCESS when the key is gone). A key whose subkeys could
// not all be removed is left in place.
LONG DeleteKeyTree(HKEY parent, const char* name);

#endif
