// The library's registry functions: the shared registry values with this adapter's journal
// and fail switch around them.
#include "Vexa5200.h"

#include "Failures.h"
#include "SharedAdapter.h"
#include "registry/RegistryValues.h"

using namespace vexa;

namespace {

constexpr int Failed = 1;

bool FailSwitchOn(Fn fn)
{
    AdapterLock lock;
    return !lock.Ok() || Failing(lock.State(), fn);
}

}  // namespace

extern "C" {

VEXA5200_API int Vexa5200QueryRegistry(const char* path, const char* name, char* buffer, unsigned long size)
{
    if (FailSwitchOn(Fn::QueryRegistry))
        return Failed;
    return QueryRegistryText(path, name, buffer, size);
}

VEXA5200_API int Vexa5200QueryRegistryDword(const char* path, const char* name, unsigned long* value)
{
    if (FailSwitchOn(Fn::QueryRegistryDword))
        return Failed;
    return vexa::QueryRegistryDword(path, name, value);
}

VEXA5200_API int Vexa5200SetRegistry(const char* path, const char* name, const void* bytes, unsigned long count,
                                     unsigned long reserved)
{
    const bool readable = RegistryBytesReadable(bytes, count);
    {
        AdapterLock lock;
        if (!lock.Ok())
            return Failed;
        JournalLine line = JournalLine("SetRegistry").Text(path).Text(name).Hex(readable ? bytes : nullptr, count)
                               .Number(count).Number(reserved);
        JournalAppend(lock.Journal(), line.Str());
        if (Failing(lock.State(), Fn::SetRegistry))
            return Failed;
    }
    return SetRegistryBytes(path, name, bytes, count);
}

}  // extern "C"
