#include "Commands.h"

#include "CommandWords.h"
#include "Environment.h"
#include "Link.h"
#include "NetworkCommand.h"
#include "SceneControl.h"
#include "StatusText.h"

#include <windows.h>

#include <cstring>

namespace vexa {

namespace {

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
           "  network add <ssid> [options]   options: bssid=00:1A:2B:3C:4D:5E channel=<number>\n"
           "                                 band=2.4|5|6 (channels 1-14; 36-165; 1-233)\n"
           "                                 rssi=<dBm> security=open|wep|wpa-psk|wpa-tls|wpa2-psk|\n"
           "                                 wpa-wpa2-psk|wpa3-sae|wpa2-wpa3 hidden=yes|no\n"
           "                                 rate-kbps=<best rate of a 5/6 GHz card>\n"
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
