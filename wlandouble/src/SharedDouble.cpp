#include "SharedDouble.h"

#include "World.h"

#include <shlobj.h>

#include <mutex>
#include <string>

namespace wdouble {

namespace {

constexpr uint32_t AreaMagic = 0x57444231;  // "WDB1"
constexpr DWORD LockWaitMs = 2000;
constexpr const char* MutexName = "Vexa5200.WlanDouble.Mutex";
constexpr const char* MappingName = "Vexa5200.WlanDouble.State";
constexpr const char* SessionKeyPath = "SOFTWARE\\Vexa5200\\WlanDoubleSession";

struct SharedArea {
    uint32_t Magic;
    uint32_t Size;
    uint64_t SessionId;
    DoubleState State;
};

HANDLE CreateNamed(const char* name, bool mapping, HANDLE file)
{
    HANDLE h = nullptr;
    for (const char* ns : {"Global\\", "Local\\"}) {
        const std::string full = std::string(ns) + name;
        if (mapping) {
            h = CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, sizeof(SharedArea), full.c_str());
            if (!h && file != INVALID_HANDLE_VALUE && GetLastError() != ERROR_ACCESS_DENIED)
                h = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedArea),
                                       full.c_str());
        } else {
            h = CreateMutexA(nullptr, FALSE, full.c_str());
        }
        if (h || GetLastError() != ERROR_ACCESS_DENIED)
            break;
    }
    return h;
}

HANDLE OpenStateFile()
{
    char folder[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                folder)))
        return INVALID_HANDLE_VALUE;
    const std::string directory = std::string(folder) + "\\Vexa5200";
    CreateDirectoryA(directory.c_str(), nullptr);
    const std::string path = directory + "\\WlanDouble.bin";
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The machine session, in a volatile key: a new machine start (under Wine: a new
// wineserver) finds a fresh service, as after a reboot.
uint64_t SessionId()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, SessionKeyPath, 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 0;
    uint64_t id = 0;
    DWORD size = sizeof id;
    if (RegQueryValueExA(key, "Id", nullptr, nullptr, reinterpret_cast<BYTE*>(&id), &size) != ERROR_SUCCESS ||
        size != sizeof id || id == 0) {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        id = (static_cast<uint64_t>(counter.QuadPart) * 0x9E3779B97F4A7C15ull) ^ GetCurrentProcessId() ^ GetTickCount64();
        id |= 1;
        RegSetValueExA(key, "Id", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&id), sizeof id);
    }
    RegCloseKey(key);
    return id;
}

// A process that died inside the lock may have left counts out of range.
void Repair(DoubleState& s)
{
    for (int i = 0; i < MaxInterfaces; ++i)
        if (s.ProfileCount[i] < 0 || s.ProfileCount[i] > MaxProfiles)
            s.ProfileCount[i] = 0;
    if (s.JournalLength >= JournalBytes)
        s.JournalLength = 0;
}

class CAttachment {
public:
    SharedArea* Area()
    {
        std::lock_guard<std::mutex> guard(setup_);
        if (area_)
            return area_;
        if (!mutex_)
            mutex_ = CreateNamed(MutexName, false, INVALID_HANDLE_VALUE);
        if (!mutex_)
            return nullptr;
        const DWORD wait = WaitForSingleObject(mutex_, LockWaitMs);
        if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED)
            return nullptr;
        const uint64_t session = SessionId();
        HANDLE file = OpenStateFile();
        HANDLE mapping = CreateNamed(MappingName, true, file);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        auto* area = mapping ? static_cast<SharedArea*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
        if (area && (area->Magic != AreaMagic || area->Size != sizeof(SharedArea) || area->SessionId != session)) {
            Scene scene;
            ReadScene(scene);
            ResetDouble(area->State, GetTickCount64(), scene.CardPresent != 0);
            area->Magic = AreaMagic;
            area->Size = sizeof(SharedArea);
            area->SessionId = session;
        }
        ReleaseMutex(mutex_);
        if (!area && mapping)
            CloseHandle(mapping);
        area_ = area;
        return area_;
    }
    HANDLE Mutex() const { return mutex_; }

private:
    std::mutex setup_;
    HANDLE mutex_ = nullptr;
    SharedArea* area_ = nullptr;
};

CAttachment& TheAttachment()
{
    static CAttachment attachment;
    return attachment;
}

}  // namespace

DoubleLock::DoubleLock()
{
    CAttachment& attachment = TheAttachment();
    SharedArea* area = attachment.Area();
    if (!area)
        return;
    const DWORD wait = WaitForSingleObject(attachment.Mutex(), LockWaitMs);
    if (wait == WAIT_ABANDONED)
        Repair(area->State);
    else if (wait != WAIT_OBJECT_0)
        return;
    mutex_ = attachment.Mutex();
    state_ = &area->State;
    // The scene's lock is only ever taken inside this one, never the other way round.
    scene_ = std::make_unique<Scene>();
    ReadScene(*scene_);
    now_ = GetTickCount64();
    Advance(*state_, *scene_, now_);
}

DoubleLock::~DoubleLock()
{
    if (mutex_)
        ReleaseMutex(mutex_);
}

}  // namespace wdouble
