#include "ui/survey/ProfileForm.h"

#include "ui/common/SettingsLists.h"
#include "ui/encryption/SecurityChoice.h"

#include "record/WepKeySlots.h"

#include "settings/ProfileStore.h"
#include "record/TextField.h"

#include "keys/PskRules.h"

const char* const ProfileNameEmptyMessage = "Profile name cannot be empty !";
const char* const ProfileNameBackslashMessage = "Profile name cannot contain \"\\\" !";
const char* const SsidAnyMessage = "SSID cannot be \"Any\" !";
const char* const SsidEmptyMessage = "SSID cannot be empty!";

namespace {

// Only these three spellings mean "any network" to the adapter; other mixes of case are an
// ordinary name.
bool MeansAnyNetwork(const std::string& ssid)
{
    return ssid == "ANY" || ssid == "Any" || ssid == "any";
}

std::string CheckNames(const ProfileForm& form)
{
    if (form.Name.empty())
        return ProfileNameEmptyMessage;
    // A backslash would store the profile as a nested key, under another profile's name.
    if (!IsStorableProfileName(form.Name.c_str()))
        return ProfileNameBackslashMessage;
    if (MeansAnyNetwork(form.Ssid))
        return SsidAnyMessage;
    if (form.Ssid.empty())
        return SsidEmptyMessage;
    return {};
}

std::string ApplyWep(const ProfileForm& form, AdapterSettings& settings)
{
    const uint32_t format = form.FormatIndex == 1 ? WepKeyFormatHex : WepKeyFormatAscii;
    // An authentication mode the list lacks shows no key section: the keys stay as stored.
    const bool keysShown = ShowsWepKeys(form.AuthIndex);
    if (form.Encryption && keysShown) {
        const WepKeyCheck check = ValidateWepKeys(form.Keys, static_cast<uint32_t>(form.CheckedKey),
                                                  WepKeySizeForLengthIndex(form.LengthIndex), format);
        if (!check.Passed)
            return check.Message;
    }
    settings.Channel = ChannelFromItemText(form.ChannelText);
    settings.NetworkMode = static_cast<uint32_t>(form.NetworkMode);
    settings.PowerMode = static_cast<uint32_t>(form.PowerMode);
    settings.Preamble = static_cast<uint32_t>(form.Preamble);
    settings.DataRate[0] = static_cast<unsigned char>(form.RateIndex);
    settings.WepStatus = form.Encryption ? WepStatusOn : WepStatusOff;
    if (!keysShown)
        return {};
    if (form.CheckedKey >= 0 && form.CheckedKey < WepKeyCount)
        settings.TxWepKey = static_cast<uint32_t>(form.CheckedKey);
    settings.WepKeyFormat = format;
    StoreWepKeyTexts(form.Keys, form.LengthIndex, format, settings);
    return {};
}

}  // namespace

std::string ApplyProfileForm(const ProfileForm& form, AdapterSettings& settings, std::string& name)
{
    if (std::string message = CheckNames(form); !message.empty())
        return message;

    AdapterSettings edited = settings;
    CopyFieldText(edited.DesiredSSID, form.Ssid.c_str());
    edited.AuthMode = static_cast<uint32_t>(form.AuthIndex);
    if (form.AuthIndex == static_cast<int>(AuthModeWpa)) {
        CopyFieldText(edited.WPALoginName, form.WpaUserName.c_str());
        CopyFieldText(edited.WPACertificate, form.WpaCertificate.c_str());
    } else if (form.AuthIndex == static_cast<int>(AuthModeWpaPsk)) {
        const PskCheck check = CheckPskPassphrase(form.Passphrase, form.Confirmation);
        if (!check.Passed())
            return check.Message;
        CopyFieldText(edited.PskPassphrase, form.Passphrase.c_str());
    } else if (std::string message = ApplyWep(form, edited); !message.empty()) {
        return message;
    }
    settings = edited;
    name = form.Name;
    return {};
}
