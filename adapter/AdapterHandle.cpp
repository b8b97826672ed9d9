#include "AdapterHandle.h"

VEXA5200_HANDLE AdapterHandle = nullptr;
char AdapterInstanceId[AdapterInstanceIdSize] = {};
