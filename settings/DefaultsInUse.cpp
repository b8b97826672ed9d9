#include "settings/DefaultsInUse.h"

#include "framework/Handles.h"
#include "settings/DefaultSettings.h"

#include <windows.h>

#include <cstring>

namespace {

// Session-wide, so that skylookctl run by the same user finds it.
constexpr const char NoticeName[] = "Local\\Skylook.UnstoredDefaultSettings";

// The notice's layout. Sequence is odd while the writer changes the rest, so a reader never
// takes half of one network and half of another.
struct Notice {
    volatile LONG Sequence;
    LONG Kept;
    char Ssid[sizeof(AdapterSettings::DesiredSSID)];
};

struct KeptRecord {
    bool Kept = false;
    AdapterSettings Settings{};
    // The stored defaults as they were when the record was kept.
    AdapterSettings StoredThen{};
};

KeptRecord& Kept()
{
    static KeptRecord kept;
    return kept;
}

struct PublishedNotice {
    CKernelHandle Mapping;
    CMappedView View;
    Notice* Get() const { return static_cast<Notice*>(View.Get()); }
};

PublishedNotice& Published()
{
    static PublishedNotice notice;
    return notice;
}

void UpdateNotice()
{
    Notice* notice = Published().Get();
    if (!notice)
        return;
    const KeptRecord& kept = Kept();
    ::InterlockedIncrement(&notice->Sequence);
    notice->Kept = kept.Kept ? 1 : 0;
    std::memset(notice->Ssid, 0, sizeof notice->Ssid);
    if (kept.Kept)
        std::memcpy(notice->Ssid, kept.Settings.DesiredSSID, sizeof notice->Ssid - 1);
    ::InterlockedIncrement(&notice->Sequence);
}

// The stored defaults loaded into a record cleared byte by byte, so that two loads of the
// same values compare equal with memcmp, padding included.
void LoadStoredForComparison(AdapterSettings& settings)
{
    std::memset(&settings, 0, sizeof settings);
    LoadDefaultSettings(settings);
}

}  // namespace

AdapterSettings DefaultSettingsInUse()
{
    AdapterSettings stored;
    LoadStoredForComparison(stored);
    KeptRecord& kept = Kept();
    if (!kept.Kept)
        return stored;
    // Stored meanwhile by another program (skylookctl import run as administrator, the
    // setup program): the user's newer choice, to which the kept record gives way.
    if (std::memcmp(&stored, &kept.StoredThen, sizeof stored) != 0) {
        ForgetUnstoredDefaultSettings();
        return stored;
    }
    return kept.Settings;
}

void NoteDefaultSettingsSave(const AdapterSettings& settings, bool stored)
{
    KeptRecord& kept = Kept();
    kept.Kept = !stored;
    kept.Settings = stored ? AdapterSettings{} : settings;
    if (stored)
        std::memset(&kept.StoredThen, 0, sizeof kept.StoredThen);
    else
        LoadStoredForComparison(kept.StoredThen);
    UpdateNotice();
}

void ForgetUnstoredDefaultSettings()
{
    Kept() = KeptRecord{};
    UpdateNotice();
}

void RecheckKeptDefaultSettings()
{
    if (Kept().Kept)
        DefaultSettingsInUse();
}

bool PublishDefaultSettingsInUse()
{
    PublishedNotice& published = Published();
    if (published.View)
        return true;
    published.Mapping.Reset(
        ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Notice), NoticeName));
    if (!published.Mapping)
        return false;
    published.View.Reset(::MapViewOfFile(published.Mapping, FILE_MAP_WRITE, 0, 0, sizeof(Notice)));
    if (!published.View) {
        published.Mapping.Reset();
        return false;
    }
    UpdateNotice();
    return true;
}

bool ReadPublishedUnstoredNetwork(std::string& ssid)
{
    CKernelHandle mapping(::OpenFileMappingA(FILE_MAP_READ, FALSE, NoticeName));
    if (!mapping)
        return false;
    // A mapping smaller than the notice (not ours) cannot be mapped at this size.
    CMappedView view(::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(Notice)));
    if (!view)
        return false;
    const auto* notice = static_cast<const Notice*>(view.Get());
    // The writer changes a few dozen bytes at a time; a reader that keeps finding it busy
    // takes the stored defaults rather than wait.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const LONG before = notice->Sequence;
        if (before & 1) {
            ::SwitchToThread();
            continue;
        }
        ::MemoryBarrier();
        Notice copy;
        std::memcpy(&copy, const_cast<const Notice*>(notice), sizeof copy);
        ::MemoryBarrier();
        if (notice->Sequence != before)
            continue;
        if (!copy.Kept)
            return false;
        // Not trusted to end in a zero byte: it is another process's memory.
        ssid.assign(copy.Ssid, strnlen(copy.Ssid, sizeof copy.Ssid));
        return true;
    }
    return false;
}
