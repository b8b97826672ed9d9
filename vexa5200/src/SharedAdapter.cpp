#include "SharedAdapter.h"

#include "DriverKey.h"
#include "Environment.h"
#include "Link.h"

#include <shlobj.h>

#include <cstring>
#include <string>

namespace vexa {

namespace {

constexpr uint32_t AreaMagic = 0x56583532;  // "VX52"
constexpr const char* SessionKeyPath = "SOFTWARE\\Vexa5200\\Session";

struct Attachment {
    HANDLE Mutex = nullptr;
    HANDLE Mapping = nullptr;
    SharedArea* Area = nullptr;
};

// Machine-wide names; a session without the right to create global objects falls back to
// its own namespace.
HANDLE CreateNamedMutex()
{
    HANDLE h = CreateMutexA(nullptr, FALSE, "Global\\Vexa5200.Adapter.Mutex");
    if (!h && GetLastError() == ERROR_ACCESS_DENIED)
        h = CreateMutexA(nullptr, FALSE, "Local\\Vexa5200.Adapter.Mutex");
    return h;
}

// The record is kept in a file, so that the adapter and its surroundings outlive the
// processes that use them, as a driver's state does; the session check below still gives
// every machine start a fresh adapter.
HANDLE OpenStateFile()
{
    char folder[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                folder)))
        return INVALID_HANDLE_VALUE;
    std::string directory = std::string(folder) + "\\Vexa5200";
    CreateDirectoryA(directory.c_str(), nullptr);
    std::string path = directory + "\\AdapterState.bin";
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE CreateNamedMapping()
{
    const DWORD size = sizeof(SharedArea);
    HANDLE file = OpenStateFile();
    HANDLE h = nullptr;
    for (const char* name : {"Global\\Vexa5200.Adapter.State", "Local\\Vexa5200.Adapter.State"}) {
        h = CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, size, name);
        if (!h && file != INVALID_HANDLE_VALUE && GetLastError() != ERROR_ACCESS_DENIED) {
            // No room for the file: shared memory alone still serves the running processes.
            h = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name);
        }
        if (h || GetLastError() != ERROR_ACCESS_DENIED)
            break;
    }
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return h;
}

// The identity of this machine session, kept in a volatile key that disappears when the
// machine (under Wine: the wineserver) stops.
uint64_t SessionId()
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, SessionKeyPath, 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return 0;
    uint64_t id = 0;
    DWORD size = sizeof id;
    if (RegQueryValueExA(key, "Id", nullptr, nullptr, reinterpret_cast<BYTE*>(&id), &size) != ERROR_SUCCESS ||
        size != sizeof id || id == 0) {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        FILETIME time;
        GetSystemTimeAsFileTime(&time);
        id = (static_cast<uint64_t>(counter.QuadPart) * 0x9E3779B97F4A7C15ull) ^
             (static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime) ^ GetCurrentProcessId();
        id |= 1;
        RegSetValueExA(key, "Id", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&id), sizeof id);
    }
    RegCloseKey(key);
    return id;
}

// A process that died inside the lock may have left a record half written: keep what is
// sound and bring counts and offsets back into range.
void RepairAfterAbandon(SharedArea& area)
{
    AdapterState& s = area.State;
    if (s.NetworkCount < 0 || s.NetworkCount > MaxNetworks)
        s.NetworkCount = 0;
    if (s.ScanCount < 0 || s.ScanCount > MaxNetworks)
        s.ScanCount = 0;
    if (s.ScanAnswerSize > MaxScanAnswer)
        s.ScanAnswerInjected = 0, s.ScanAnswerSize = 0;
    JournalRepair(area.Journal);
}

bool Acquire(HANDLE mutex, SharedArea* area)
{
    DWORD r = WaitForSingleObject(mutex, INFINITE);
    if (r == WAIT_ABANDONED) {
        RepairAfterAbandon(*area);
        return true;
    }
    return r == WAIT_OBJECT_0;
}

Attachment Attach()
{
    Attachment a;
    a.Mutex = CreateNamedMutex();
    if (!a.Mutex)
        return a;
    uint64_t session = SessionId();
    // Creating the mapping under the mutex: the first process sizes the file and sets it up.
    if (WaitForSingleObject(a.Mutex, INFINITE) == WAIT_FAILED)
        return a;
    a.Mapping = CreateNamedMapping();
    auto* area = a.Mapping ? static_cast<SharedArea*>(MapViewOfFile(a.Mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0))
                           : nullptr;
    if (area) {
        if (area->Magic != AreaMagic || area->Size != sizeof(SharedArea) || area->SessionId != session) {
            area->State.CardGeneration = 0;
            ResetAdapter(area->State, GetTickCount64());
            JournalClear(area->Journal);
            area->Magic = AreaMagic;
            area->Size = sizeof(SharedArea);
            area->SessionId = session;
            area->Sequence.store(0);
        } else {
            RepairAfterAbandon(*area);
            if (area->Sequence.load() & 1)
                area->Sequence.fetch_add(1);
        }
    }
    ReleaseMutex(a.Mutex);
    if (!area)
        return a;
    EnsureDriverKey();
    a.Area = area;
    return a;
}

const Attachment& TheAttachment()
{
    static const Attachment attachment = Attach();
    return attachment;
}

}  // namespace

AdapterLock::AdapterLock()
{
    const Attachment& a = TheAttachment();
    if (!a.Area)
        return;
    if (!Acquire(a.Mutex, a.Area))
        return;
    mutex_ = a.Mutex;
    area_ = a.Area;
    // Odd while held; a holder that died left it odd already.
    if ((area_->Sequence.load() & 1) == 0)
        area_->Sequence.fetch_add(1);
    now_ = GetTickCount64();
    AdvanceLink(area_->State, now_);
}

AdapterLock::~AdapterLock()
{
    if (!mutex_)
        return;
    area_->Sequence.fetch_add(1);
    ReleaseMutex(mutex_);
}

bool SnapshotCore(AdapterCore& core)
{
    const Attachment& a = TheAttachment();
    if (!a.Area)
        return false;
    for (int attempt = 0; attempt < 64; ++attempt) {
        uint32_t before = a.Area->Sequence.load(std::memory_order_acquire);
        if (before & 1) {
            YieldProcessor();
            continue;
        }
        std::memcpy(&core, static_cast<const AdapterCore*>(&a.Area->State), sizeof core);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (a.Area->Sequence.load(std::memory_order_relaxed) == before)
            return true;
    }
    return false;
}

}  // namespace vexa
