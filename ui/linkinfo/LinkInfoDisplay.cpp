#include "ui/linkinfo/LinkInfoDisplay.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t InfrastructureMode = 1;
constexpr double KilobitsPerFragmentMillisecond = 8000.0;
constexpr double GraphScale = 25.0;
constexpr int RescanLastCount = 5;

// The NUL-terminated text of a fixed field, never read past the field.
template <size_t Size>
std::string FieldText(const char (&field)[Size])
{
    return std::string(field, strnlen(field, Size));
}

std::string Percent(int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", static_cast<int>(value));
    return text;
}

int RatePerSecond(uint32_t fragments, uint32_t milliseconds)
{
    const double rate = static_cast<double>(fragments) * KilobitsPerFragmentMillisecond / milliseconds;
    const double largest = static_cast<double>(std::numeric_limits<int>::max());
    return rate >= largest ? std::numeric_limits<int>::max() : static_cast<int>(rate);
}

}  // namespace

const char* LinkStateText(int32_t state)
{
    switch (state) {
    case LinkNotAssociated: return "No Connection to Network";
    case LinkScanning: return "Scanning...";
    case LinkConnecting: return "Connecting...";
    case LinkAssociated: return "Associated";
    case LinkRadioOff: return "Radio Off";
    case LinkNotAssociatedAdHoc: return "Ad-Hoc, Not Associated";
    default: return "Driver not Load";
    }
}

LinkDisplay DescribeLink(const AdapterStatus& status)
{
    LinkDisplay display;
    display.Status = LinkStateText(status.LinkState);
    const bool infrastructure = status.NetworkMode == InfrastructureMode;

    if (status.LinkState == LinkAssociated && infrastructure) {
        display.SignalStrengthText = Percent(status.SignalStrength);
        display.SignalStrengthBar = status.SignalStrength;
        display.LinkQualityText = Percent(status.LinkQuality);
        display.LinkQualityBar = status.LinkQuality;
    }

    if (status.LinkState == LinkAssociated || status.LinkState == LinkNotAssociatedAdHoc) {
        display.Status += infrastructure ? " BSSID=" : " IBSSID=";
        display.Status += FieldText(status.Bssid);
        display.Ssid = FieldText(status.Ssid);
        if (display.Ssid.empty())
            display.Ssid = "Any";
    }

    if (status.Channel != 0)
        display.Channel = std::to_string(status.Channel);
    display.TxRate = FieldText(status.TxRate);
    // Without the network's details the state says nothing; where to allow them does.
    if (status.LocationDenied)
        display.Status = LocationAccessAdvice;
    else if (status.NeedsWindowsSettings)
        display.Status = Wpa3OnlyAdvice;
    return display;
}

uint32_t FragmentsSince(uint32_t previous, uint32_t now)
{
    return now >= previous ? now - previous : now;
}

uint32_t ThroughputGraphValue(int rate)
{
    if (rate < 1)
        return 0;
    const double value = GraphScale * std::log10(static_cast<double>(rate));
    return value > 0 ? static_cast<uint32_t>(value) : 0;
}

std::optional<ThroughputDisplay> MeasureThroughput(ThroughputMemory& memory, uint32_t tickNow,
                                                   const AdapterStatus& status)
{
    const uint32_t elapsed = tickNow - memory.Tick;
    memory.Tick = tickNow;
    const uint32_t received = FragmentsSince(memory.RxFragments, status.RxFragments);
    const uint32_t sent = FragmentsSince(memory.TxFragments, status.TxFragments);
    memory.RxFragments = status.RxFragments;
    memory.TxFragments = status.TxFragments;
    if (elapsed == 0)
        return std::nullopt;

    ThroughputDisplay display;
    display.TransmitRate = RatePerSecond(sent, elapsed);
    display.TransmitGraph = ThroughputGraphValue(display.TransmitRate);
    // Without a network nothing can be received; what the counter shows then is noise.
    if (status.LinkState != LinkNotAssociated) {
        display.ReceiveRate = RatePerSecond(received, elapsed);
        display.ReceiveGraph = ThroughputGraphValue(display.ReceiveRate);
    }
    return display;
}

bool RescanTick(int& count)
{
    ++count;
    if (count > RescanLastCount)
        return true;
    ++count;
    return false;
}
