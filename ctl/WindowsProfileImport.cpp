#include "ctl/WindowsProfileImport.h"

#include "record/ProfileName.h"
#include "record/TextField.h"
#include "record/WepKeySlots.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileNames.h"
#include "settings/ProfileStore.h"
#include "wlanprofile/WindowsProfile.h"

#include <cstring>

namespace {

// More profiles of one name than anyone keeps: past this the import gives up on the name.
constexpr int MostNumberedNames = 99;

std::string CodePageText(const std::wstring& text)
{
    if (text.empty())
        return "";
    const int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, "_", &lossy);
    std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), size, "_", &lossy);
    return out;
}

// The longest start of text of at most limit bytes that ends on a character's boundary, so a
// double-byte character is never cut in two.
std::string CutToBytes(const std::string& text, size_t limit)
{
    size_t end = 0;
    while (end < text.size()) {
        const char* next = ::CharNextExA(CP_ACP, text.c_str() + end, 0);
        const size_t step = next > text.c_str() + end ? static_cast<size_t>(next - (text.c_str() + end)) : 1;
        if (end + step > limit)
            break;
        end += step;
    }
    return text.substr(0, end);
}

const unsigned char* TransmitKey(const AdapterSettings& settings)
{
    return WepKeySlot(settings, static_cast<int>(settings.TxWepKey % WepKeyCount));
}

// Where a Windows profile goes in the store: a free name, or the name of a Skylook profile
// that holds the same network already.
struct Placement {
    std::string Name;
    bool Exists = false;
    bool Found = false;
};

Placement PlaceProfile(const std::string& base, const AdapterSettings& settings)
{
    for (int n = 1; n <= MostNumberedNames; ++n) {
        Placement placement;
        placement.Name = NumberedName(base, n);
        std::string storedName;
        if (!FindStoredProfileName(placement.Name, storedName)) {
            placement.Found = true;
            return placement;
        }
        AdapterSettings stored;
        std::memset(&stored, 0, sizeof stored);
        std::string unread;
        if (ReadProfileChecked(storedName.c_str(), stored, unread) == ProfileRead::Read && SameNetwork(stored, settings)) {
            placement.Name = storedName;
            placement.Exists = true;
            placement.Found = true;
            return placement;
        }
    }
    return Placement{};
}

ImportOutcome ImportAsProfile(ImportOutcome outcome, const AdapterSettings& settings)
{
    const std::string base = outcome.SkylookName;
    const Placement placement = PlaceProfile(base, settings);
    if (!placement.Found) {
        outcome.Fate = ImportFate::NotStored;
        outcome.Note = "every name from \"" + base + "\" to \"" + NumberedName(base, MostNumberedNames) + "\" is taken";
        return outcome;
    }
    outcome.SkylookName = placement.Name;
    if (placement.Exists) {
        outcome.Fate = ImportFate::AlreadyStored;
        return outcome;
    }
    if (placement.Name != base)
        outcome.Note = "a different Skylook profile \"" + base + "\" exists";
    outcome.Fate = SaveProfile(placement.Name.c_str(), settings) ? ImportFate::Stored : ImportFate::NotStored;
    return outcome;
}

}  // namespace

std::string StorableNameFor(const std::wstring& windowsName)
{
    std::string name = CodePageText(windowsName);
    for (char& c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        // A backslash would nest keys in the store; a control byte would hide in every list.
        if (c == '\\' || byte < 0x20 || byte == 0x7F)
            c = '_';
    }
    name = CutToBytes(name, ProfileNameMaxLength);
    return name.empty() ? "Windows profile" : name;
}

std::string NumberedName(const std::string& base, int n)
{
    if (n <= 1)
        return CutToBytes(base, ProfileNameMaxLength);
    const std::string suffix = " (" + std::to_string(n) + ")";
    return CutToBytes(base, ProfileNameMaxLength - suffix.size()) + suffix;
}

bool SameNetwork(const AdapterSettings& a, const AdapterSettings& b)
{
    if (FieldString(a.DesiredSSID) != FieldString(b.DesiredSSID) || a.NetworkMode != b.NetworkMode ||
        a.AuthMode != b.AuthMode)
        return false;
    if (a.AuthMode == AuthModeWpaPsk)
        return FieldString(a.PskPassphrase) == FieldString(b.PskPassphrase);
    if (a.AuthMode == AuthModeWpa)
        return false;  // never imported: an EAP-TLS profile is the user's own
    if (a.WepStatus != b.WepStatus)
        return false;
    if (a.WepStatus != WepStatusOn)
        return true;
    const size_t size = a.WepKeySize <= MaxWepKeySize ? a.WepKeySize : MaxWepKeySize;
    return a.TxWepKey == b.TxWepKey && a.WepKeySize == b.WepKeySize &&
           std::memcmp(TransmitKey(a), TransmitKey(b), size) == 0;
}

std::vector<ImportOutcome> ImportWindowsProfileSet(const WindowsProfileSet& set)
{
    const bool takeDefaults = !DefaultSettingsStored();
    std::vector<ImportOutcome> outcomes;
    for (const WindowsProfileText& text : set.Profiles) {
        ImportOutcome outcome;
        outcome.WindowsName = CodePageText(text.Name);
        outcome.SkylookName = StorableNameFor(text.Name);
        outcome.Current = !set.CurrentProfile.empty() && text.Name == set.CurrentProfile;
        if (text.Error != ERROR_SUCCESS) {
            outcome.Fate = ImportFate::Refused;
            outcome.Note = "Windows did not give it (error " + std::to_string(text.Error) + ")";
            outcomes.push_back(outcome);
            continue;
        }
        const WindowsProfile profile = ReadWindowsProfile(text.Xml);
        if (profile.Reading != ProfileReading::Taken) {
            outcome.Fate = profile.Reading == ProfileReading::Skipped ? ImportFate::Skipped : ImportFate::Refused;
            outcome.Note = profile.Reason;
            outcomes.push_back(outcome);
            continue;
        }
        if (outcome.Current && takeDefaults) {
            outcome.Fate = SaveDefaultSettings(profile.Settings) ? ImportFate::Defaults : ImportFate::DefaultsNotStored;
            outcome.SkylookName.clear();
            outcomes.push_back(outcome);
            continue;
        }
        outcomes.push_back(ImportAsProfile(outcome, profile.Settings));
    }
    return outcomes;
}
