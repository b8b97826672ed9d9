#include "Control.h"

#include "CommandWords.h"
#include "Commands.h"
#include "Events.h"
#include "Memory.h"
#include "ProfileRead.h"
#include "SharedDouble.h"
#include "World.h"

#include <windows.h>
#include <wlanapi.h>

#include <cstring>
#include <memory>

namespace wdouble {

namespace {

using Words = std::vector<std::string>;

constexpr int Done = 0, Unavailable = 1, Bad = 2;
constexpr unsigned long MaxDelayMs = 60000;

bool OnOff(const std::string& word, int& value)
{
    if (word != "on" && word != "off")
        return false;
    value = word == "on" ? 1 : 0;
    return true;
}

// "@2" at the end names the second interface.
int TakeInterface(Words& w)
{
    if (!w.empty() && w.back() == "@2") {
        w.pop_back();
        return 1;
    }
    return 0;
}

bool ReadFileText(const std::string& path, std::wstring& text, std::string& error)
{
    std::string bytes;
    if (!vexa::ReadFileBytes(path, bytes, error))
        return false;
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                           nullptr, 0);
    if (length <= 0 || length >= MaxProfileXml) {
        error = path + ": not a profile in UTF-8 of at most " + std::to_string(MaxProfileXml - 1) + " characters";
        return false;
    }
    text.assign(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length);
    return true;
}

bool AddProfile(DoubleState& s, int iface, const std::wstring& xml, DWORD flags, std::string& error)
{
    ProfileFacts facts;
    DWORD reason = 0;
    if (!ReadProfile(xml.c_str(), facts, reason)) {
        error = "profile add: the profile breaks the WLAN profile schema (reason " + std::to_string(reason) + ")";
        return false;
    }
    int index = FindProfile(s, iface, facts.Name);
    if (index < 0) {
        if (s.ProfileCount[iface] >= MaxProfiles) {
            error = "profile add: the interface already holds " + std::to_string(MaxProfiles) + " profiles";
            return false;
        }
        std::memmove(&s.Profiles[iface][1], &s.Profiles[iface][0], sizeof(StoredProfile) * s.ProfileCount[iface]);
        ++s.ProfileCount[iface];
        index = 0;
        std::memset(&s.Profiles[iface][0], 0, sizeof(StoredProfile));
    }
    StoredProfile& p = s.Profiles[iface][index];
    std::memcpy(p.Name, facts.Name, sizeof p.Name);
    wcsncpy(p.Xml, xml.c_str(), MaxProfileXml - 1);
    p.Flags = flags;
    return true;
}

bool Number(const Words& w, unsigned long limit, unsigned long& value, std::string& error)
{
    if (w.size() != 2 || !vexa::ParseUnsigned(w[1], value) || value > limit) {
        error = w[0] + ": expected a number from 0 to " + std::to_string(limit);
        return false;
    }
    return true;
}

bool Switch(const Words& w, int& value, std::string& error)
{
    if (w.size() != 2 || !OnOff(w[1], value)) {
        error = w[0] + ": expected on or off";
        return false;
    }
    return true;
}

// Runs a command on the state; false with a message when it is refused.
bool Dispatch(DoubleState& s, Words w, uint64_t now, std::string& error)
{
    const std::string verb = w[0];
    Settings& c = s.Config;
    unsigned long value = 0;
    if (verb == "scan-delay")
        return Number(w, MaxDelayMs, value, error) && ((c.ScanDelayMs = value), true);
    if (verb == "join-delay")
        return Number(w, MaxDelayMs, value, error) && ((c.JoinDelayMs = value), true);
    if (verb == "auto-connect-delay")
        return Number(w, MaxDelayMs, value, error) && ((c.AutoConnectDelayMs = value), true);
    if (verb == "attempt-fails")
        return Number(w, 10, value, error) && ((c.AttemptFails = value), true);
    if (verb == "scan-flush")
        return Switch(w, c.FlushDuringScan, error);
    if (verb == "scan-notify")
        return Switch(w, c.ScanNotifies, error);
    if (verb == "auto-connect")
        return Switch(w, c.AutoConnect, error);
    if (verb == "location")
        return Switch(w, c.LocationConsent, error);
    if (verb == "user") {
        if (w.size() != 2 || (w[1] != "standard" && w[1] != "admin")) {
            error = "user: expected standard or admin";
            return false;
        }
        c.StandardUser = w[1] == "standard";
        return true;
    }
    if (verb == "refuse") {
        int on = 0;
        int* target = nullptr;
        if (w.size() == 3) {
            target = w[1] == "profile-writes" ? &c.RefuseProfileWrites
                     : w[1] == "connect"      ? &c.RefuseConnect
                     : w[1] == "disconnect"   ? &c.RefuseDisconnect
                     : w[1] == "set-interface" ? &c.RefuseSetInterface
                                               : nullptr;
        }
        if (!target || !OnOff(w[2], on)) {
            error = "refuse: expected profile-writes, connect, disconnect or set-interface, then on or off";
            return false;
        }
        *target = on;
        return true;
    }
    if (verb == "interface") {
        if (w.size() != 3 || w[1] != "second" || (w[2] != "add" && w[2] != "remove")) {
            error = "interface: expected interface second add|remove (the first follows the scene's card)";
            return false;
        }
        SetInterfacePresent(s, 1, w[2] == "add", now);
        return true;
    }
    const int iface = TakeInterface(w);
    if (!s.Interfaces[iface].Present && (verb == "software-radio" || verb == "connect" || verb == "disconnect")) {
        error = verb + ": the interface is not there";
        return false;
    }
    if (verb == "software-radio") {
        int on = 0;
        if (!Switch(w, on, error))
            return false;
        SetSoftwareRadio(s, iface, on != 0, now);
        return true;
    }
    if (verb == "profile") {
        if (w.size() == 2 && w[1] == "clear") {
            s.ProfileCount[iface] = 0;
            return true;
        }
        if (w.size() < 3 || w.size() > 4 || w[1] != "add" || (w.size() == 4 && w[3] != "user" && w[3] != "all")) {
            error = "profile: expected profile add <file> [user|all] [@2] or profile clear [@2]";
            return false;
        }
        std::wstring xml;
        return ReadFileText(w[2], xml, error) &&
               AddProfile(s, iface, xml, w.size() == 4 && w[3] == "user" ? 2u : 0u, error);
    }
    if (verb == "connect") {
        // Windows joins a stored profile by itself, as at log-on: no client needs to be there.
        std::wstring name;
        if (w.size() == 2) {
            name.assign(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, w[1].c_str(), -1, nullptr, 0)), L'\0');
            MultiByteToWideChar(CP_UTF8, 0, w[1].c_str(), -1, &name[0], static_cast<int>(name.size()));
        }
        const int index = name.empty() ? -1 : FindProfile(s, iface, name.c_str());
        ProfileFacts facts;
        DWORD reason = 0;
        if (index < 0 || !ReadProfile(s.Profiles[iface][index].Xml, facts, reason)) {
            error = "connect: expected the name of a stored profile";
            return false;
        }
        std::memcpy(facts.Name, s.Profiles[iface][index].Name, sizeof facts.Name);
        Log(s, "Windows connects " + w[1] + (iface ? " @2" : ""));
        StartJoin(s, iface, facts, wlan_connection_mode_profile, true, now);
        return true;
    }
    if (verb == "disconnect") {
        if (w.size() != 1) {
            error = "disconnect: expected no argument but @2";
            return false;
        }
        if (s.Interfaces[iface].LinkPhase != Phase::Idle)
            EndLink(s, iface, 0, now, false);
        return true;
    }
    error = "unknown command \"" + verb + "\" (see \"wlandouble help\")";
    return false;
}

// The text after the first word, as typed.
std::string Rest(const std::string& line)
{
    size_t at = line.find_first_not_of(" \t");
    at = line.find_first_of(" \t", at == std::string::npos ? line.size() : at);
    return at == std::string::npos ? std::string() : line.substr(at);
}

}  // namespace

int RunControl(const std::string& line, std::string& output)
{
    output.clear();
    Words w = vexa::SplitCommandLine(line.c_str());
    if (w.empty()) {
        output = "no command given (see \"wlandouble help\")\n";
        return Bad;
    }
    const std::string& verb = w[0];
    if (verb == "help" || verb == "--help" || verb == "/?") {
        output = ControlUsage();
        return Done;
    }
    if (verb == "memory") {
        output = std::to_string(Outstanding()) + " blocks handed out to this process and not freed\n";
        return Done;
    }
    if (verb == "scene") {
        if (w.size() < 2) {
            output = "scene: expected a vexasim command, such as scene network add Office band=5 channel=36\n";
            return Bad;
        }
        return RunSceneCommand(Rest(line), output) ? Done : Bad;
    }
    if (verb == "reset") {
        if (w.size() != 1) {
            output = "reset: expected no argument\n";
            return Bad;
        }
        if (!ResetScene())
            return Unavailable;
        DoubleLock lock;
        if (!lock.Ok())
            return Unavailable;
        ResetDouble(lock.State(), lock.Now(), lock.World().CardPresent != 0);
        return Done;
    }
    DoubleLock lock;
    if (!lock.Ok()) {
        output = "the double's shared state cannot be had\n";
        return Unavailable;
    }
    if (verb == "status" && w.size() == 1) {
        output = StatusText(lock.State(), lock.World());
        return Done;
    }
    if (verb == "journal") {
        if (w.size() == 2 && w[1] == "--clear") {
            ClearJournal(lock.State());
            return Done;
        }
        if (w.size() != 1) {
            output = "journal: expected journal or journal --clear\n";
            return Bad;
        }
        output = JournalText(lock.State());
        return Done;
    }
    // On a copy, so that a command refused half way changes nothing.
    auto copy = std::make_unique<DoubleState>(lock.State());
    std::string error;
    if (!Dispatch(*copy, w, lock.Now(), error)) {
        output = error + "\n";
        return Bad;
    }
    lock.State() = *copy;
    return Done;
}

}  // namespace wdouble
