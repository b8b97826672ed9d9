// The one adapter handle of the program and the adapter's interface identifier.
#ifndef SKYLOOK_ADAPTER_HANDLE_H
#define SKYLOOK_ADAPTER_HANDLE_H

#include <Vexa5200.h>

// Written by Vexa5200OpenAdapter, passed first to every adapter call.
extern VEXA5200_HANDLE AdapterHandle;

// The adapter's "NetCfgInstanceId" (interface GUID in braces); empty when it could not be read.
constexpr unsigned AdapterInstanceIdSize = 40;
extern char AdapterInstanceId[AdapterInstanceIdSize];

#endif
