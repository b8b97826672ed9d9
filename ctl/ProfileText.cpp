#include "ctl/ProfileText.h"

#include "record/HexText.h"
#include "record/RateTable.h"
#include "record/WepKeySlots.h"

#include <cstring>

namespace {

constexpr const char* Mask = "********";

const char* PowerModeText(uint32_t mode)
{
    static const char* const names[] = {"Continuous Access Mode", "Maximum Power Save", "Power Save"};
    return mode <= PowerModePowerSave ? names[mode] : "unknown";
}

const char* PreambleText(uint32_t preamble)
{
    static const char* const names[] = {"Auto", "Short", "Long"};
    return preamble <= PreambleLong ? names[preamble] : "unknown";
}

const char* AuthenticationText(uint32_t mode)
{
    static const char* const names[] = {"Open", "Shared", "WPA-PSK", "WPA (EAP-TLS)"};
    return mode <= AuthModeWpa ? names[mode] : "unknown";
}

std::string RateText(unsigned char index)
{
    if (index == 0 || index >= RateIndexCount)
        return "Auto";
    return std::string(RateTable[index].Label) + " Mbit/s";
}

std::string KeySizeText(uint32_t size)
{
    if (size == WepKeySize64)
        return "64 bits";
    if (size == WepKeySize128)
        return "128 bits";
    return std::to_string(size) + " bytes";
}

// The key as its editor shows it: ASCII characters, or the hex text of its bytes.
std::string KeyText(const AdapterSettings& settings, int index)
{
    const unsigned char* key = WepKeySlot(settings, index);
    const size_t size = settings.WepKeySize < MaxWepKeySize ? settings.WepKeySize : MaxWepKeySize;
    if (settings.WepKeyFormat == WepKeyFormatHex)
        return BytesToHexText(key, size);
    return std::string(reinterpret_cast<const char*>(key), strnlen(reinterpret_cast<const char*>(key), size));
}

std::string Secret(const std::string& text, bool secrets)
{
    return secrets || text.empty() ? text : Mask;
}

}  // namespace

const char* SecurityText(const AdapterSettings& settings)
{
    if (settings.AuthMode == AuthModeWpaPsk)
        return "WPA-PSK";
    if (settings.AuthMode == AuthModeWpa)
        return "WPA (EAP-TLS)";
    return settings.WepStatus == WepStatusOn ? "WEP" : "open";
}

const char* ModeText(const AdapterSettings& settings)
{
    return settings.NetworkMode == NetworkModeAdHoc ? "ad-hoc" : "infrastructure";
}

std::vector<SettingLine> DescribeSettings(const AdapterSettings& settings, bool secrets)
{
    static const char* const keyLabels[WepKeyCount] = {"Key 1", "Key 2", "Key 3", "Key 4"};
    std::vector<SettingLine> lines = {
        {"Network", "network", settings.DesiredSSID},
        {"Mode", "mode", ModeText(settings)},
        {"Channel", "channel", std::to_string(settings.Channel)},
        {"Rate", "rate", RateText(settings.DataRate[0])},
        {"Power mode", "powerMode", PowerModeText(settings.PowerMode)},
        {"Preamble", "preamble", PreambleText(settings.Preamble)},
        {"Security", "security", SecurityText(settings)},
        {"Authentication", "authentication", AuthenticationText(settings.AuthMode)},
        {"WEP", "wep", settings.WepStatus == WepStatusOn ? "on" : "off"},
        {"Key size", "keySize", KeySizeText(settings.WepKeySize)},
        {"Key format", "keyFormat", settings.WepKeyFormat == WepKeyFormatHex ? "HEX" : "ASCII"},
        {"Transmit key", "transmitKey", std::to_string(settings.TxWepKey + 1)},
    };
    for (int i = 0; i < WepKeyCount; ++i)
        lines.push_back({keyLabels[i], "key" + std::to_string(i + 1), Secret(KeyText(settings, i), secrets)});
    lines.push_back({"Passphrase", "passphrase", Secret(settings.PskPassphrase, secrets)});
    lines.push_back({"802.1X user", "eapUser", settings.WPALoginName});
    lines.push_back({"Certificate issuer", "certificateIssuer", settings.WPACertificate});
    return lines;
}
