#include "NetworkCommand.h"

#include "CommandWords.h"
#include "Beacon.h"
#include "Environment.h"
#include "SceneControl.h"

#include <cstring>

namespace vexa {

namespace {

bool SetSsidField(VexaSimNetwork& n, const std::string& ssid, std::string& error)
{
    if (ssid.empty() || ssid.size() > 32) {
        error = "the SSID must have 1 to 32 characters";
        return false;
    }
    std::memset(n.Ssid, 0, sizeof n.Ssid);
    std::memcpy(n.Ssid, ssid.data(), ssid.size());
    return true;
}

// A WEP key as 5 or 13 characters, or as 10 or 26 hex digits.
bool SetWepKeyField(VexaSimNetwork& n, const std::string& key, std::string& error)
{
    std::vector<unsigned char> bytes;
    if ((key.size() == 10 || key.size() == 26) && ParseHexBytes(key, bytes)) {
    } else if (key.size() == 5 || key.size() == 13) {
        bytes.assign(key.begin(), key.end());
    } else {
        error = "a WEP key is 5 or 13 characters, or 10 or 26 hex digits";
        return false;
    }
    std::memset(n.WepKey, 0, sizeof n.WepKey);
    std::memcpy(n.WepKey, bytes.data(), bytes.size());
    n.WepKeyLength = static_cast<int>(bytes.size());
    return true;
}

bool ParseSecurity(const std::string& text, int& security)
{
    for (int kind = VEXASIM_OPEN; kind <= VEXASIM_WPA2_WPA3; ++kind)
        if (text == SecurityName(kind)) {
            security = kind;
            return true;
        }
    return false;
}

bool ParseBand(const std::string& text, int& band)
{
    if (text == "2.4" || text == "24")
        band = VEXASIM_BAND_24;
    else if (text == "5")
        band = VEXASIM_BAND_5;
    else if (text == "6")
        band = VEXASIM_BAND_6;
    else
        return false;
    return true;
}

// Applies "name=value" options to a network record.
bool ApplyNetworkOptions(VexaSimNetwork& n, const Words& w, size_t first, bool renaming, std::string& error)
{
    bool securityGiven = false, keyGiven = false, passphraseGiven = false;
    for (size_t i = first; i < w.size(); ++i) {
        size_t eq = w[i].find('=');
        if (eq == std::string::npos) {
            error = "expected an option name=value, got \"" + w[i] + "\"";
            return false;
        }
        std::string name = w[i].substr(0, eq), value = w[i].substr(eq + 1);
        long number = 0;
        unsigned long code = 0;
        if (name == "ssid" && renaming) {
            if (!SetSsidField(n, value, error))
                return false;
        } else if (name == "bssid") {
            if (!ParseBssid(value, n.Bssid)) {
                error = "a BSSID is written as six hex pairs, like 00:1A:2B:3C:4D:5E";
                return false;
            }
        } else if (name == "channel") {
            // Checked against the band once every option is read: band= may come later.
            if (!ParseSigned(value, number) || number < 1 || number > 233) {
                error = "the channel must be a channel number of the network's band";
                return false;
            }
            n.Channel = static_cast<int>(number);
        } else if (name == "band") {
            if (!ParseBand(value, n.Band)) {
                error = "the band must be 2.4, 5 or 6 (GHz)";
                return false;
            }
        } else if (name == "hidden") {
            if (value != "yes" && value != "no") {
                error = "hidden must be yes or no";
                return false;
            }
            n.Hidden = value == "yes" ? 1 : 0;
        } else if (name == "rate-kbps") {
            if (!ParseUnsigned(value, code) || code == 0 || code > 10000000) {
                error = "rate-kbps must be 1 to 10000000";
                return false;
            }
            n.BestRateKbps = code;
        } else if (name == "rssi") {
            if (!ParseSigned(value, number) || number < -120 || number > -10) {
                error = "the signal level must be -120 to -10 dBm";
                return false;
            }
            n.RssiDbm = static_cast<int>(number);
        } else if (name == "security") {
            if (!ParseSecurity(value, n.Security)) {
                error = "the security must be open, wep, wpa-psk, wpa-tls, wpa2-psk, wpa-wpa2-psk, wpa3-sae or wpa2-wpa3";
                return false;
            }
            securityGiven = true;
        } else if (name == "key") {
            if (!SetWepKeyField(n, value, error))
                return false;
            keyGiven = true;
        } else if (name == "passphrase") {
            if (value.size() < 8 || value.size() > 64) {
                error = "a passphrase has 8 to 63 characters (or 64 hex digits)";
                return false;
            }
            std::memset(n.Passphrase, 0, sizeof n.Passphrase);
            std::memcpy(n.Passphrase, value.data(), value.size());
            passphraseGiven = true;
        } else if (name == "mode") {
            if (value == "infra" || value == "infrastructure")
                n.Infrastructure = 1;
            else if (value == "adhoc" || value == "ad-hoc")
                n.Infrastructure = 0;
            else {
                error = "the mode must be infra or adhoc";
                return false;
            }
        } else if (name == "rate") {
            if (!ParseUnsigned(value, code) || !IsValidRateCode(code)) {
                error = "the rate must be an 802.11 rate code (2, 4, 11, 12, 18, 22, 24, 36, 48, 72, 96 or 108)";
                return false;
            }
            n.MaxRateCode = static_cast<int>(code);
        } else {
            error = "unknown option \"" + name + "\"";
            return false;
        }
    }
    if (!securityGiven && keyGiven && !passphraseGiven)
        n.Security = VEXASIM_WEP;
    if (!securityGiven && passphraseGiven && !keyGiven)
        n.Security = VEXASIM_WPA_PSK;
    if (keyGiven && n.Security != VEXASIM_WEP) {
        error = "key= is the WEP key; this network is not a WEP network";
        return false;
    }
    if (passphraseGiven && !UsesPassphrase(n.Security)) {
        error = "passphrase= is for a network with a pre-shared key; this network is not one";
        return false;
    }
    return ValidateNetwork(n, error);
}

// The networks a command names: one by BSSID, or every network of an SSID.
std::vector<int> SelectNetworks(const AdapterState& s, const std::string& which)
{
    std::vector<int> selected;
    unsigned char bssid[6];
    if (ParseBssid(which, bssid)) {
        int index = FindNetworkByBssid(s, bssid);
        if (index >= 0)
            selected.push_back(index);
        return selected;
    }
    for (int i = 0; i < s.NetworkCount; ++i)
        if (which.size() <= 32 && std::strncmp(s.Networks[i].Ssid, which.c_str(), 33) == 0)
            selected.push_back(i);
    return selected;
}

}  // namespace

bool NetworkCommand(AdapterState& s, const Words& w, std::string& error)
{
    const std::string sub = w.size() > 1 ? w[1] : "";
    if (sub == "clear") {
        if (!Expect(w, 2, error))
            return false;
        s.NetworkCount = 0;
        return true;
    }
    if (w.size() < 3) {
        error = "network: expected add <ssid>, change <ssid|bssid>, remove <ssid|bssid> or clear";
        return false;
    }
    if (sub == "add") {
        VexaSimNetwork n{};
        n.Infrastructure = 1;
        n.Channel = 1;
        n.RssiDbm = -60;
        n.Security = VEXASIM_OPEN;
        n.MaxRateCode = 108;
        return SetSsidField(n, w[2], error) && ApplyNetworkOptions(n, w, 3, false, error) &&
               AddNetwork(s, n, error);
    }
    std::vector<int> selected = SelectNetworks(s, w[2]);
    if (selected.empty()) {
        error = "no network is named \"" + w[2] + "\"";
        return false;
    }
    if (sub == "change") {
        for (int index : selected) {
            VexaSimNetwork n = s.Networks[index];
            if (!ApplyNetworkOptions(n, w, 3, true, error))
                return false;
            int other = FindNetworkByBssid(s, n.Bssid);
            if (other >= 0 && other != index) {
                error = "a network with that BSSID already exists";
                return false;
            }
            s.Networks[index] = n;
        }
        return true;
    }
    if (sub == "remove") {
        if (!Expect(w, 3, error))
            return false;
        for (auto it = selected.rbegin(); it != selected.rend(); ++it)
            RemoveNetworkAt(s, *it);
        return true;
    }
    error = "network: unknown action \"" + sub + "\" (add, change, remove or clear)";
    return false;
}

}  // namespace vexa
