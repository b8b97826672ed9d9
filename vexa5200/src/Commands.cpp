#include "Commands.h"

#include "Environment.h"
#include "Link.h"
#include "SceneControl.h"
#include "StatusText.h"

#include <windows.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vexa {

namespace {

constexpr DWORD MaxFileBytes = 1024 * 1024;

using Words = std::vector<std::string>;

bool ParseSigned(const std::string& text, long& value)
{
    if (text.empty() || std::strchr(" \t", text[0]))
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == 0;
}

// Decimal, or hexadecimal with a 0x prefix.
bool ParseUnsigned(const std::string& text, unsigned long& value)
{
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])))
        return false;
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    errno = 0;
    unsigned long long v = std::strtoull(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
    if (errno != 0 || *end != 0 || v > 0xFFFFFFFFull || (hex && !std::isxdigit(static_cast<unsigned char>(text[2]))))
        return false;
    value = static_cast<unsigned long>(v);
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseHexBytes(const std::string& text, std::vector<unsigned char>& bytes)
{
    if (text.size() % 2)
        return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return true;
}

// "00:1A:2B:3C:4D:5E" or "00-1A-2B-3C-4D-5E".
bool ParseBssid(const std::string& text, unsigned char bssid[6])
{
    if (text.size() != 17)
        return false;
    for (int i = 0; i < 6; ++i) {
        int high = HexDigit(text[i * 3]), low = HexDigit(text[i * 3 + 1]);
        if (high < 0 || low < 0 || (i < 5 && text[i * 3 + 2] != ':' && text[i * 3 + 2] != '-'))
            return false;
        bssid[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot open \"" + path + "\"";
        return false;
    }
    DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE && size <= MaxFileBytes;
    if (ok) {
        bytes.assign(size, 0);
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    if (!ok)
        error = "cannot read \"" + path + "\" (at most " + std::to_string(MaxFileBytes) + " bytes)";
    return ok;
}

bool Expect(const Words& w, size_t count, std::string& error)
{
    if (w.size() < count) {
        error = w[0] + ": missing argument (see \"vexasim help\")";
        return false;
    }
    if (w.size() > count) {
        error = w[0] + ": unexpected argument \"" + w[count] + "\"";
        return false;
    }
    return true;
}

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
    static const char* const names[] = {"open", "wep", "wpa-psk", "wpa-tls"};
    for (int i = 0; i < 4; ++i)
        if (text == names[i]) {
            security = i;
            return true;
        }
    return false;
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
            if (!ParseSigned(value, number) || number < 1 || number > 14) {
                error = "the channel must be 1 to 14";
                return false;
            }
            n.Channel = static_cast<int>(number);
        } else if (name == "rssi") {
            if (!ParseSigned(value, number) || number < -120 || number > -10) {
                error = "the signal level must be -120 to -10 dBm";
                return false;
            }
            n.RssiDbm = static_cast<int>(number);
        } else if (name == "security") {
            if (!ParseSecurity(value, n.Security)) {
                error = "the security must be open, wep, wpa-psk or wpa-tls";
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
    if (passphraseGiven && n.Security != VEXASIM_WPA_PSK) {
        error = "passphrase= is for a WPA-PSK network; this network is not one";
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

bool InjectCommand(AdapterState& s, const Words& w, std::string& error)
{
    if (!Expect(w, 2, error))
        return false;
    // An empty word would pass as zero hex bytes; it is far more likely a name that was left out.
    if (w[1].empty()) {
        error = "inject-scan: expected hex bytes or a file, got an empty argument";
        return false;
    }
    std::vector<unsigned char> bytes;
    if (!ParseHexBytes(w[1], bytes)) {
        std::string content, fileError;
        if (!ReadFileBytes(w[1], content, fileError)) {
            error = "inject-scan: \"" + w[1] + "\" is neither hex bytes nor a readable file";
            return false;
        }
        bytes.assign(content.begin(), content.end());
    }
    return InjectScanAnswer(s, bytes.data(), static_cast<unsigned long>(bytes.size()), error);
}

bool UnsignedCommand(const Words& w, unsigned long& value, std::string& error)
{
    if (!Expect(w, 2, error))
        return false;
    if (!ParseUnsigned(w[1], value)) {
        error = w[0] + ": \"" + w[1] + "\" is not a number";
        return false;
    }
    return true;
}

bool OnOff(const Words& w, const char* on, const char* off, bool& value, std::string& error)
{
    if (!Expect(w, 2, error))
        return false;
    if (w[1] != on && w[1] != off) {
        error = w[0] + ": expected \"" + on + "\" or \"" + off + "\", got \"" + w[1] + "\"";
        return false;
    }
    value = w[1] == on;
    return true;
}

bool Dispatch(AdapterState& s, const Words& w, uint64_t now, CommandEffects& fx, bool inScenario,
              std::string& error)
{
    const std::string& verb = w[0];
    bool flag = false;
    unsigned long value = 0;
    if (inScenario && (verb == "load" || verb == "status" || verb == "journal" || verb == "help")) {
        error = "\"" + verb + "\" cannot be used in a scenario";
        return false;
    }
    if (verb == "reset") {
        if (!Expect(w, 1, error))
            return false;
        ResetAdapter(s, now);
        fx.ClearJournal = true;
        return true;
    }
    if (verb == "load") {
        std::string text;
        if (!Expect(w, 2, error) || !ReadFileBytes(w[1], text, error))
            return false;
        if (!RunScenario(s, text, now, error)) {
            error = w[1] + ": " + error;
            return false;
        }
        return true;
    }
    if (verb == "card") {
        if (!OnOff(w, "insert", "remove", flag, error))
            return false;
        SetCardPresent(s, flag);
        return true;
    }
    if (verb == "radio") {
        if (!OnOff(w, "on", "off", flag, error))
            return false;
        SetHardwareRadio(s, flag);
        return true;
    }
    if (verb == "network")
        return NetworkCommand(s, w, error);
    if (verb == "traffic")
        return UnsignedCommand(w, value, error) && SetTrafficRate(s, value, error);
    if (verb == "region") {
        if (!UnsignedCommand(w, value, error))
            return false;
        s.RegionCode = value;
        return true;
    }
    if (verb == "join-delay")
        return UnsignedCommand(w, value, error) && SetJoinDelay(s, value, error);
    if (verb == "fail") {
        if (w.size() == 2 && w[1] == "clear") {
            s.Failures = 0;
            return true;
        }
        if (w.size() == 3 && w[2] != "on" && w[2] != "off") {
            error = "fail: expected \"off\" or nothing after the function name, got \"" + w[2] + "\"";
            return false;
        }
        if (w.size() < 2 || w.size() > 3) {
            error = "fail: expected fail <function> [off] or fail clear";
            return false;
        }
        return SetFailure(s, w[1].c_str(), w.size() == 2 || w[2] == "on", error);
    }
    if (verb == "inject-scan")
        return InjectCommand(s, w, error);
    if (verb == "status") {
        if (!Expect(w, 1, error))
            return false;
        fx.Output = FormatStatus(s, now);
        return true;
    }
    if (verb == "journal") {
        if (w.size() == 2 && w[1] == "--clear") {
            fx.ClearJournal = true;
            return true;
        }
        if (!Expect(w, 1, error))
            return false;
        fx.PrintJournal = true;
        return true;
    }
    if (verb == "help" || verb == "--help" || verb == "/?") {
        fx.Output = UsageText();
        return true;
    }
    error = "unknown command \"" + verb + "\" (see \"vexasim help\")";
    return false;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const char* line)
{
    std::vector<std::string> words;
    const char* p = line ? line : "";
    for (;;) {
        while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
            ++p;
        if (!*p)
            break;
        std::string word;
        bool quoted = false;
        while (*p && (quoted || (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n'))) {
            if (*p == '\\') {
                size_t slashes = 0;
                while (*p == '\\')
                    ++slashes, ++p;
                if (*p == '"') {
                    word.append(slashes / 2, '\\');
                    if (slashes % 2) {
                        word += '"';
                        ++p;
                    }
                } else {
                    word.append(slashes, '\\');
                }
            } else if (*p == '"') {
                quoted = !quoted;
                ++p;
            } else {
                word += *p++;
            }
        }
        words.push_back(word);
    }
    return words;
}

bool RunCommand(AdapterState& s, const Words& words, uint64_t now, CommandEffects& effects, std::string& error)
{
    if (words.empty()) {
        error = "no command given (see \"vexasim help\")";
        return false;
    }
    if (!Dispatch(s, words, now, effects, false, error))
        return false;
    AdvanceLink(s, now);
    return true;
}

bool RunScenario(AdapterState& s, const std::string& text, uint64_t now, std::string& error)
{
    ResetAdapter(s, now);
    size_t start = 0;
    int lineNumber = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.find('\0') != std::string::npos) {
            error = "line " + std::to_string(lineNumber) + ": not a text line";
            return false;
        }
        Words words = SplitCommandLine(line.c_str());
        if (words.empty() || words[0][0] == '#')
            continue;
        CommandEffects ignored;
        if (!Dispatch(s, words, now, ignored, true, error)) {
            error = "line " + std::to_string(lineNumber) + ": " + error;
            return false;
        }
    }
    AdvanceLink(s, now);
    return true;
}

std::string UsageText()
{
    return "vexasim: controls the software adapter of Vexa5200.dll\n"
           "  reset                          back to the default scene (clears the journal)\n"
           "  load <file>                    the default scene, then the scenario file's commands\n"
           "  card remove|insert             take the card out or put it back\n"
           "  radio on|off                   the hardware radio switch\n"
           "  network add <ssid> [options]   options: bssid=00:1A:2B:3C:4D:5E channel=1..14\n"
           "                                 rssi=<dBm> security=open|wep|wpa-psk|wpa-tls\n"
           "                                 key=<5/13 chars or 10/26 hex> passphrase=<text>\n"
           "                                 mode=infra|adhoc rate=<802.11 rate code>\n"
           "  network change <ssid|bssid> [options, also ssid=<new name>]\n"
           "  network remove <ssid|bssid>\n"
           "  network clear                  no networks in range\n"
           "  traffic <fragments/s>          received per second while associated (half as many sent)\n"
           "  region <code>                  region code, decimal or 0x hex\n"
           "  join-delay <ms>                time a join takes\n"
           "  fail <function> [off]          make a library function fail, or stop it failing\n"
           "  fail clear                     no failing functions\n"
           "  inject-scan <hex|file>         the next scan list answer is exactly these bytes\n"
           "  status                         print the adapter's state and the networks\n"
           "  journal [--clear]              print (or empty) the journal of calls\n"
           "  help                           this list\n";
}

}  // namespace vexa
