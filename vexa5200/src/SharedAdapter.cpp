#include "SharedAdapter.h"

#include "DriverKey.h"
#include "Environment.h"
#include "Link.h"

#include <shlobj.h>

#include <cstring>
#include <mutex>
#include <string>

namespace vexa {

namespace {

constexpr uint32_t AreaMagic = 0x56583532;  // "VX52"
constexpr const char* SessionKeyPath = "SOFTWARE\\Vexa5200\\Session";

// A caller never waits on the lock for longer than this: a process stuck inside the library
// (hung, or stopped in a debugger) must not wedge every other user of the card.
constexpr DWORD LockWaitMs = 2000;

// Machine-wide names; a session without the right to create global objects falls back to
// its own namespace.
HANDLE CreateNamedMutex()
{
    HANDLE h = CreateMutexA(nullptr, FALSE, "Global\\" VEXASIM_LOCK_NAME);
    if (!h && GetLastError() == ERROR_ACCESS_DENIED)
        h = CreateMutexA(nullptr, FALSE, "Local\\" VEXASIM_LOCK_NAME);
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

// Set when a wait ran out. Until the lock is had again, calls only try it: otherwise every
// call of a busy caller would cost the full wait while the holder stays stuck.
std::atomic<bool> HolderStuck{false};
std::atomic<DWORD> LockWait{LockWaitMs};

Acquired WaitForLock(HANDLE mutex)
{
    switch (WaitForSingleObject(mutex, HolderStuck.load() ? 0 : LockWait.load())) {
    case WAIT_OBJECT_0:
        HolderStuck.store(false);
        return Acquired::Yes;
    case WAIT_ABANDONED:
        HolderStuck.store(false);
        return Acquired::Abandoned;
    case WAIT_TIMEOUT:
        HolderStuck.store(true);
        return Acquired::TimedOut;
    default:
        return Acquired::Failed;
    }
}

// Maps the shared area and brings it up to this machine session; runs under the lock.
SharedArea* MapArea(HANDLE& mapping)
{
    uint64_t session = SessionId();
    mapping = CreateNamedMapping();
    auto* area = mapping ? static_cast<SharedArea*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
    if (!area)
        return nullptr;
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
    return area;
}

// The process's attachment to the shared area, made on first use. A first use that finds
// the lock held past the wait fails its call and leaves the setting up to the next call.
class CAttachment {
public:
    HANDLE Mutex() const { return mutex_; }

    SharedArea* Area(Acquired& outcome)
    {
        outcome = Acquired::Yes;
        if (SharedArea* area = area_.load(std::memory_order_acquire))
            return area;
        std::lock_guard<std::mutex> guard(setup_);
        if (SharedArea* area = area_.load(std::memory_order_relaxed))
            return area;
        if (!mutex_)
            mutex_ = CreateNamedMutex();
        outcome = mutex_ ? WaitForLock(mutex_) : Acquired::Failed;
        if (outcome == Acquired::TimedOut || outcome == Acquired::Failed)
            return nullptr;
        // Mapped under the lock: the first process sizes the file and sets it up.
        HANDLE mapping = nullptr;
        SharedArea* area = MapArea(mapping);
        ReleaseMutex(mutex_);
        if (!area) {
            if (mapping)
                CloseHandle(mapping);
            outcome = Acquired::Failed;
            return nullptr;
        }
        EnsureDriverKey();
        area_.store(area, std::memory_order_release);
        return area;
    }

private:
    std::mutex setup_;
    HANDLE mutex_ = nullptr;
    std::atomic<SharedArea*> area_{nullptr};
};

CAttachment& TheAttachment()
{
    static CAttachment attachment;
    return attachment;
}

}  // namespace

void SetLockWait(unsigned long milliseconds)
{
    LockWait.store(milliseconds == 0 || milliseconds > LockWaitMs ? LockWaitMs : static_cast<DWORD>(milliseconds));
}

AdapterLock::AdapterLock()
{
    CAttachment& attachment = TheAttachment();
    SharedArea* area = attachment.Area(outcome_);
    if (!area)
        return;
    outcome_ = WaitForLock(attachment.Mutex());
    if (outcome_ == Acquired::Abandoned)
        RepairAfterAbandon(*area);
    else if (outcome_ != Acquired::Yes)
        return;
    mutex_ = attachment.Mutex();
    area_ = area;
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
    Acquired ignored;
    SharedArea* area = TheAttachment().Area(ignored);
    if (!area)
        return false;
    for (int attempt = 0; attempt < 64; ++attempt) {
        uint32_t before = area->Sequence.load(std::memory_order_acquire);
        if (before & 1) {
            YieldProcessor();
            continue;
        }
        std::memcpy(&core, static_cast<const AdapterCore*>(&area->State), sizeof core);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (area->Sequence.load(std::memory_order_relaxed) == before)
            return true;
    }
    return false;
}

}  // namespace vexa
