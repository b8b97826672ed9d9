#include "Control.h"

#include "ProfileRead.h"
#include "World.h"

namespace wdouble {

namespace {

std::string OnOff(int value)
{
    return value ? "on" : "off";
}

std::string PhaseText(const InterfaceState& st)
{
    char name[MaxNameChars * 3];
    NameToUtf8(st.Profile.Name, name, sizeof name);
    switch (st.LinkPhase) {
    case Phase::Connected: return std::string("connected with profile \"") + name + "\"";
    case Phase::Connecting: return std::string("connecting with profile \"") + name + "\"";
    default: return "not connected";
    }
}

}  // namespace

std::string StatusText(const DoubleState& s, const Scene& scene)
{
    const Settings& c = s.Config;
    std::string out = "scan: " + std::to_string(c.ScanDelayMs) + " ms, list flushed meanwhile " +
                      OnOff(c.FlushDuringScan) + ", scan_complete sent " + OnOff(c.ScanNotifies) + "\n";
    out += "join: " + std::to_string(c.JoinDelayMs) + " ms, " + std::to_string(c.AttemptFails) +
           " failed attempt(s) before the completion\n";
    out += "Windows' auto-connect " + OnOff(c.AutoConnect) + " after " + std::to_string(c.AutoConnectDelayMs) +
           " ms\n";
    out += "location consent " + OnOff(c.LocationConsent) + "; user " + (c.StandardUser ? "standard" : "admin") +
           "; refused: profile writes " + OnOff(c.RefuseProfileWrites) + ", connect " + OnOff(c.RefuseConnect) +
           ", disconnect " + OnOff(c.RefuseDisconnect) + ", set-interface " + OnOff(c.RefuseSetInterface) + "\n";
    out += "hardware radio (the scene's) " + OnOff(scene.HardwareRadio) + "\n";
    for (int i = 0; i < MaxInterfaces; ++i) {
        const InterfaceState& st = s.Interfaces[i];
        out += "interface " + std::to_string(i + 1) + ": ";
        if (!st.Present) {
            out += "not there\n";
            continue;
        }
        out += "software radio " + OnOff(st.SoftwareRadio) + ", " + PhaseText(st) +
               (st.ScanPending ? ", scan running" : "") + "\n";
        for (int p = 0; p < s.ProfileCount[i]; ++p) {
            char name[MaxNameChars * 3];
            NameToUtf8(s.Profiles[i][p].Name, name, sizeof name);
            out += "  profile " + std::to_string(p) + " \"" + name + "\"" +
                   (s.Profiles[i][p].Flags & 2 ? " (user)" : " (all users)") +
                   (s.Profiles[i][p].EapUserDataSet ? ", EAP user data set" : "") + "\n";
        }
    }
    return out;
}

std::string ControlUsage()
{
    return "wlandouble: controls the Native Wifi double (the wlanapi.dll of the tests)\n"
           "  reset                          the double and the scene back to their defaults\n"
           "  status                         switches, interfaces, links and stored profiles\n"
           "  scan-delay <ms>                time a scan takes (300)\n"
           "  scan-flush on|off              the BSS list is empty while a scan runs (on)\n"
           "  scan-notify on|off             off: a scan never sends scan_complete\n"
           "  attempt-fails <n>              connection_attempt_fail before each completion (1)\n"
           "  join-delay <ms>                time a join takes (500)\n"
           "  auto-connect on|off            Windows joins a stored auto profile by itself (on)\n"
           "  auto-connect-delay <ms>        idle time before it does (2000)\n"
           "  location on|off                location consent (off: as Windows 11 24H2 refuses)\n"
           "  user standard|admin            a standard user may not write all-user profiles\n"
           "  refuse <call> on|off           call: profile-writes, connect, disconnect, set-interface\n"
           "  interface second add|remove    a second card (the first follows the scene's card)\n"
           "  software-radio on|off [@2]     the software radio switch\n"
           "  profile add <file> [user|all] [@2]  store a profile (XML in UTF-8) at the top\n"
           "  profile clear [@2]             no stored profiles\n"
           "  connect <profile> [@2]         Windows joins a stored profile now (as at log-on)\n"
           "  disconnect [@2]                the link ends, as Windows ends it\n"
           "  journal [--clear]              print (or empty) the journal of calls\n"
           "  scene <vexasim command>        the software adapter's scene, e.g. scene radio off\n"
           "  memory                         blocks this process holds and has not freed\n"
           "  help                           this list\n";
}

}  // namespace wdouble
