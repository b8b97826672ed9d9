// The items of the drop-down lists that edit a settings record (the Configuration and
// Encryption pages, the Profile dialog), in the order whose index each list stores.
#ifndef SKYLOOK_UI_SETTINGS_LISTS_H
#define SKYLOOK_UI_SETTINGS_LISTS_H

#include <cstdint>
#include <string>
#include <vector>

// Channels first to last, both included.
struct ChannelRange {
    uint32_t First;
    uint32_t Last;
};

// For an unknown region code and when the adapter does not tell its region.
constexpr ChannelRange DefaultChannelRange{1, 11};

ChannelRange ChannelRangeForRegion(uint32_t regionCode);
// The range of the adapter's region code; the default range when the query fails.
ChannelRange AdapterChannelRange();

// One item per channel, ascending, as decimal text.
std::vector<std::string> ChannelItems(ChannelRange range);
// The item that shows channel, or -1 when the range lacks it.
int ChannelItemIndex(ChannelRange range, uint32_t channel);
// The number at the start of a channel item's text; 0 when it holds none (no selection).
uint32_t ChannelFromItemText(const std::string& text);

// Index = NetworkMode.
inline constexpr const char* NetworkTypeItems[] = {"Ad-hoc", "Infrastructure"};
// Index = Preamble.
inline constexpr const char* PreambleItems[] = {"Auto Preamble", "Short Preamble", "Long Preamble"};
// Index = PowerMode.
inline constexpr const char* PowerModeItems[] = {"Continuous Access Mode", "Maximum Power Save", "Power Save"};
// Index = AuthMode.
inline constexpr const char* AuthModeItems[] = {"Open Authentication", "Shared Authentication", "WPA-PSK", "WPA"};
// Index = WepKeyFormat.
inline constexpr const char* KeyFormatItems[] = {"ASCII", "HEX"};
// Index 0 is WepKeySize 5, index 1 WepKeySize 13.
inline constexpr const char* KeyLengthItems[] = {"64 bits", "128 bits"};
// Index = TxWepKey.
inline constexpr const char* DefaultKeyItems[] = {"1", "2", "3", "4"};
// The one 802.1X protocol offered with WPA.
inline constexpr const char EapTlsProtocol[] = "EAP-TLS";

// Index = the rate index kept in DataRate[0]: "Auto", then each rate in Mbit/s.
std::vector<std::string> RateItems();

// "Key Length" index of a stored key size: 13 bytes is 128 bits, anything else 64.
int KeyLengthIndex(uint32_t wepKeySize);

#endif
