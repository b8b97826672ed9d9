#include "ctl/AdapterSession.h"
#include "ctl/Commands.h"
#include "ctl/JsonOutput.h"
#include "ctl/SkylookCtl.h"
#include "ctl/TextTable.h"

#include "adapter/AdapterWrappers.h"
#include "adapter/ScanList.h"

#include <vector>
#include <ostream>
#include <string>

namespace {

const char* ModeText(uint32_t mode)
{
    return mode == 0 ? "ad-hoc" : "infrastructure";
}

const char* BandText(RadioBand band)
{
    switch (band) {
    case RadioBand::Band24: return "2.4";
    case RadioBand::Band5: return "5";
    case RadioBand::Band6: return "6";
    default: return "";
    }
}

// A 6 GHz channel number repeats a 2.4 GHz one: the band tells them apart.
std::string ChannelText(const ScanEntry& entry)
{
    const std::string number = std::to_string(entry.Channel);
    return entry.Band == RadioBand::Band6 ? number + " (6 GHz)" : number;
}

}  // namespace

int RunScan(const CommandLine& command)
{
    std::vector<HeardNetwork> networks;
    {
        CAdapterSession session;
        if (!session.Usable()) {
            ReportNoCard(command.Err);
            return ExitNoCard;
        }
        uint32_t radio = 0;
        if (GetRadio(radio) && radio == 0) {
            ReportRadioOff(command.Err);
            return ExitFailed;
        }
        if (!StartScan() || !ReadHeardNetworks(networks)) {
            command.Err << "skylookctl: the adapter did not answer the scan. Try again; if it keeps failing,\n"
                           "remove and insert the card.\n";
            return ExitFailed;
        }
    }

    const std::vector<int> order = StrongestFirst(networks);
    if (command.Json) {
        nlohmann::json heard = nlohmann::json::array();
        for (int i : order) {
            const ScanEntry& entry = networks[i].Entry;
            heard.push_back({{"bssid", entry.Bssid},
                             {"ssid", entry.Ssid},
                             {"security", NetworkSecurityName(networks[i].Security)},
                             {"mode", ModeText(entry.NetworkMode)},
                             {"channel", entry.Channel},
                             {"band", BandText(entry.Band)},
                             {"signal", entry.SignalStrength}});
        }
        WriteJson(command.Out, heard);
        return ExitOk;
    }
    if (order.empty()) {
        command.Out << "No networks heard.\n";
        return ExitOk;
    }
    CTextTable table;
    table.AddRow({"BSSID", "SSID", "Security", "Mode", "Channel", "Signal"});
    for (int i : order) {
        const ScanEntry& entry = networks[i].Entry;
        table.AddRow({entry.Bssid, entry.Ssid, NetworkSecurityName(networks[i].Security), ModeText(entry.NetworkMode),
                      ChannelText(entry), std::to_string(entry.SignalStrength) + "%"});
    }
    table.Print(command.Out);
    return ExitOk;
}
