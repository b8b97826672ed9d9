// The library's registry calls: raw bytes under HKEY_LOCAL_MACHINE, the same in every
// Vexa5200.dll (the software adapter adds its journal and fail switch around them).
#ifndef VEXA5200_REGISTRY_VALUES_H
#define VEXA5200_REGISTRY_VALUES_H

namespace vexa {

// Settings values are short; anything larger is a caller's mistake, not a value to store.
constexpr unsigned long MaxRegistryValueBytes = 16384;

// True when count bytes may be read from bytes.
bool RegistryBytesReadable(const void* bytes, unsigned long count);

// The results are the library's: 0 done, 1 failed.
int QueryRegistryText(const char* path, const char* name, char* buffer, unsigned long size);
int QueryRegistryDword(const char* path, const char* name, unsigned long* value);
int SetRegistryBytes(const char* path, const char* name, const void* bytes, unsigned long count);

}  // namespace vexa

#endif
