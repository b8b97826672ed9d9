#include "AdapterTestSupport.h"
#include "adapter/ApplySettings.h"

#include <cstring>

using Lines = std::vector<std::string>;

namespace {

// Shared-key WEP with 128-bit ASCII keys, the third transmitting.
AdapterSettings WepSettings()
{
    AdapterSettings settings = WepRecord("Wireless", WepKeySize128, WepKeyFormatAscii);
    settings.AuthMode = AuthModeShared;
    settings.TxWepKey = 2;
    return settings;
}

Lines NetworkPart(const char* ssidLine)
{
    return {"SetNetworkMode 1", "SetChannel 1", "SetDataRate 255", "SetPowerMode 0", "SetPreamble 1", ssidLine};
}

Lines Concat(Lines first, const Lines& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The calls one apply of the settings makes, and only those.
Lines Applied(const AdapterSettings& settings)
{
    EXPECT_EQ(0, VexaSimClearJournal());
    ApplySettings(settings);
    return JournalLines();
}

}  // namespace

class ApplySettingsTest : public AdapterTest {};

TEST_F(ApplySettingsTest, ScopeSelectsTheHalvesThatArePushed)
{
    const Lines security = {"SetAuthMode 0", "SetWepStatus 1"};
    const Lines network = NetworkPart("SetSsid \"Wireless\" 8 0");
    const struct {
        uint32_t scope;
        Lines expected;
    } cases[] = {
        {0, {"Scan"}},
        {ApplyScopeNetwork, Concat({"Scan"}, network)},
        {ApplyScopeSecurity, Concat({"Scan"}, security)},
        {ApplyScopeAll, Concat(Concat({"Scan"}, security), network)},
    };
    AdapterSettings settings = OpenRecord();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scope);
        settings.ApplyScope = c.scope;
        EXPECT_EQ(c.expected, Applied(settings));
    }
}

TEST_F(ApplySettingsTest, WepOnSendsFourKeysThenTheTransmitKeyAgain)
{
    ApplyPendingSettings(WepSettings());

    const Lines expected = Concat(
        {
            "Scan",
            "SetAuthMode 1",
            "SetWepStatus 0",
            "SetWepKey 1 6162636465666768696A6B6C6D 13 0",
            "SetWepKey 2 62636465666768696A6B6C6D6E 13 0",
            "SetWepKey 3 636465666768696A6B6C6D6E6F 13 1",
            "SetWepKey 4 6465666768696A6B6C6D6E6F70 13 0",
            "SetWepKey 3 636465666768696A6B6C6D6E6F 13 1",
        },
        NetworkPart("SetSsid \"Wireless\" 8 0"));
    EXPECT_EQ(expected, JournalLines());
}

TEST_F(ApplySettingsTest, WepKeyEdgeCases)
{
    // A transmit index outside 0-3 flags no key and sends no fifth one.
    AdapterSettings settings = WepSettings();
    settings.ApplyScope = ApplyScopeSecurity;
    settings.WepKeySize = WepKeySize64;
    settings.TxWepKey = 4;
    EXPECT_EQ((Lines{"Scan", "SetAuthMode 1", "SetWepStatus 0", "SetWepKey 1 6162636465 5 0",
                     "SetWepKey 2 6263646566 5 0", "SetWepKey 3 6364656667 5 0", "SetWepKey 4 6465666768 5 0"}),
              Applied(settings));

    // A size read back from a damaged registry value never reaches past the key field.
    settings.TxWepKey = 0;
    settings.WepKeySize = 1000;
    std::memset(settings.WepKey1, 0x11, sizeof(settings.WepKey1));
    const Lines lines = Applied(settings);
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ("SetWepKey 1 " + std::string(256, '1') + " 128 1", lines[3]);
}

TEST_F(ApplySettingsTest, NetworkValuesArePassedAsTheAdapterTakesThem)
{
    AdapterSettings settings = OpenRecord();
    settings.ApplyScope = ApplyScopeNetwork;
    settings.NetworkMode = NetworkModeAdHoc;
    settings.Channel = 11;
    settings.DataRate[0] = 12;
    settings.PowerMode = 2;
    settings.Preamble = 2;
    CopyText(settings.DesiredSSID, "");
    EXPECT_EQ((Lines{"Scan", "SetNetworkMode 0", "SetChannel 11", "SetDataRate 108", "SetPowerMode 2",
                     "SetPreamble 3", "SetSsid \"\" 0 0"}),
              Applied(settings));

    // Rate indexes outside the table are sent as automatic.
    settings.DataRate[0] = 13;
    EXPECT_EQ("SetDataRate 255", Applied(settings).at(3));
}

TEST_F(ApplySettingsTest, UnterminatedSsidIsCutAt32Characters)
{
    AdapterSettings settings = OpenRecord();
    settings.ApplyScope = ApplyScopeNetwork;
    std::memset(settings.DesiredSSID, 'S', sizeof(settings.DesiredSSID));
    EXPECT_EQ("SetSsid \"" + std::string(32, 'S') + "\" 32 0", Applied(settings).back());
}

TEST_F(ApplySettingsTest, PskAlwaysSetsInfrastructureWhateverTheScope)
{
    AdapterSettings settings = PskRecord("HomeNet", "my passphrase");
    settings.ApplyScope = 0;
    settings.NetworkMode = NetworkModeAdHoc;
    settings.Channel = 6;
    settings.DataRate[0] = 3;
    settings.PowerMode = 1;
    settings.Preamble = 1;
    ApplyPendingSettings(settings);
    EXPECT_EQ((Lines{"Scan", "SetAuthMode 4", "SetFswCCXNetworkEap 0",
                     "SetWPAInformation 2 2 \"my passphrase\" \"HomeNet\"", "SetWepStatus 4", "SetPowerMode 1",
                     "SetPreamble 2", "SetDataRate 11", "SetNetworkMode 1", "SetChannel 6",
                     "SetSsid \"HomeNet\" 7 0"}),
              JournalLines());
}

TEST_F(ApplySettingsTest, UnknownAuthModesSendNothing)
{
    AdapterSettings settings = OpenRecord();
    for (uint32_t mode : {4u, 5u, 0xFFFFFFFFu}) {
        settings.AuthMode = mode;
        ApplyPendingSettings(settings);
    }
    EXPECT_TRUE(JournalLines().empty());
}
