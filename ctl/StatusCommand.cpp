#include "ctl/AdapterSession.h"
#include "ctl/Commands.h"
#include "ctl/JsonOutput.h"
#include "ctl/SkylookCtl.h"
#include "ctl/TextTable.h"

#include "adapter/AdapterStatus.h"
#include "adapter/AdapterWrappers.h"
#include "protocol/ManagingMarker.h"
#include "settings/DefaultSettings.h"
#include "settings/DefaultsInUse.h"
#include "settings/UserOptions.h"

#include <cstring>
#include <ostream>
#include <string>

namespace {

const char* LinkStateText(int32_t state)
{
    switch (state) {
    case LinkNoAdapter:
        return "No Card Found";
    case LinkAssociated:
        return "Associated";
    case LinkRadioOff:
        return "Radio Off";
    case LinkNotAssociatedAdHoc:
        return "No Connect (ad-hoc)";
    default:
        return "No Connect";
    }
}

// "54 " or "5.5 " as the query leaves it, "Auto" when the adapter did not say.
std::string RateText(const char* rate)
{
    std::string text = rate;
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text == "Auto" || text.empty() ? text : text + " Mbit/s";
}

struct ManagerText {
    const char* Json;
    std::string Table;
};

ManagerText TextFor(CardManager manager)
{
    switch (manager) {
    case CardManager::ThisSession:
        return {"this session", "Skylook in this session"};
    case CardManager::OtherSession:
        return {"another session", "Skylook in another user's session"};
    case CardManager::ForeignHolder:
        return {"another program", std::string("no copy of Skylook; ") + ForeignMarkerHolderText};
    default:
        return {"none", "no copy of Skylook"};
    }
}

// Who manages the card. The marker is let go again at once, and the gate after it: status only
// looks.
CardManager CurrentCardManager()
{
    CMarkerGate gate;
    CManagingMarker marker;
    return FindCardManager(gate, marker);
}

int ExitStatusFor(int32_t state)
{
    if (state == LinkNoAdapter)
        return ExitNoCard;
    return state == LinkAssociated ? ExitOk : ExitFailed;
}

}  // namespace

int RunStatus(const CommandLine& command)
{
    AdapterStatus status;
    std::memset(&status, 0, sizeof status);
    uint32_t radio = 0;
    bool radioKnown = false;
    {
        CAdapterSession session;
        if (session.Usable() && QueryAdapterStatus(status))
            radioKnown = GetRadio(radio);
        else
            status.LinkState = LinkNoAdapter;
    }
    // A running program that could not store its defaults uses the ones it keeps.
    std::string defaultNetwork;
    const bool defaultsStored = !ReadPublishedUnstoredNetwork(defaultNetwork);
    if (defaultsStored) {
        AdapterSettings defaults;
        std::memset(&defaults, 0, sizeof defaults);
        std::string unread;
        if (!ReadDefaultSettingsChecked(defaults, unread))
            return ReportUnreadStore("the default settings", unread, command.Err);
        defaultNetwork = defaults.DesiredSSID;
    }

    const ManagerText manager = TextFor(CurrentCardManager());
    const bool associated = status.LinkState == LinkAssociated;
    const bool notifications = ReadUserOption(UserOption::Notifications);
    const bool switchToProfiles = ReadUserOption(UserOption::SwitchToProfiles);
    const char* mode = status.NetworkMode == NetworkModeAdHoc ? "ad-hoc" : "infrastructure";
    if (command.Json) {
        nlohmann::json json = {
            {"state", LinkStateText(status.LinkState)},
            {"linkState", status.LinkState},
            {"associated", associated},
            {"radio", radioKnown ? (radio ? "on" : "off") : "unknown"},
            {"defaultNetwork", defaultNetwork},
            {"defaultNetworkStored", defaultsStored},
            {"managedBy", manager.Json},
            {"notifications", notifications},
            {"switchToProfiles", switchToProfiles},
            {"locationDenied", static_cast<bool>(status.LocationDenied)},
            {"needsWindowsSettings", static_cast<bool>(status.NeedsWindowsSettings)},
        };
        if (status.LinkState != LinkNoAdapter && status.LinkState != LinkRadioOff) {
            json["ssid"] = status.Ssid;
            json["bssid"] = status.Bssid;
            json["mode"] = mode;
            json["channel"] = status.Channel;
            json["rate"] = RateText(status.TxRate);
        }
        if (associated) {
            json["signal"] = status.SignalStrength;
            json["linkQuality"] = status.LinkQuality;
        }
        WriteJson(command.Out, json);
        return ExitStatusFor(status.LinkState);
    }

    CTextTable table;
    table.AddRow({"State:", LinkStateText(status.LinkState)});
    if (status.LocationDenied)
        table.AddRow({"Note:", LocationAccessAdvice});
    else if (status.NeedsWindowsSettings)
        table.AddRow({"Note:", Wpa3OnlyAdvice});
    if (associated) {
        table.AddRow({"SSID:", status.Ssid});
        table.AddRow({"BSSID:", status.Bssid});
        table.AddRow({"Mode:", mode});
        table.AddRow({"Channel:", std::to_string(status.Channel)});
        table.AddRow({"Rate:", RateText(status.TxRate)});
        table.AddRow({"Signal:", std::to_string(status.SignalStrength) + "%"});
        table.AddRow({"Link quality:", std::to_string(status.LinkQuality) + "%"});
    } else if (status.Ssid[0]) {
        table.AddRow({"Joining:", status.Ssid});
    }
    if (radioKnown)
        table.AddRow({"Radio:", radio ? "on" : "off"});
    table.AddRow({"Default network:", defaultsStored ? defaultNetwork : defaultNetwork + " (not stored)"});
    table.AddRow({"Managed by:", manager.Table});
    table.AddRow({"Notifications:", notifications ? "on" : "off"});
    table.AddRow({"Switch profiles:", switchToProfiles ? "on" : "off"});
    table.Print(command.Out);
    return ExitStatusFor(status.LinkState);
}
