#include "AdapterScene.h"

#include "adapter/AdapterLifetime.h"
#include "adapter/AdapterStatus.h"
#include "adapter/AdapterWrappers.h"

#include <cstring>
#include <vector>

namespace {

using AdapterLifetime = AdapterScene;
using AdapterWrappers = AdapterScene;

std::string DriverInstanceId()
{
    char path[128] = {};
    EXPECT_EQ(0, Vexa5200QueryRegistryPath(AdapterHandle, path, sizeof path));
    char id[40] = {};
    EXPECT_EQ(0, Vexa5200QueryRegistry(path, "NetCfgInstanceId", id, sizeof id));
    return id;
}

TEST_F(AdapterLifetime, StartOpensReadsTheIdentifierAndDisassociates)
{
    const std::string expectedId = DriverInstanceId();
    ASSERT_FALSE(expectedId.empty());
    Join("Wireless");
    Vexa5200CloseAdapter(&AdapterHandle);
    std::memset(AdapterInstanceId, 'x', sizeof AdapterInstanceId);
    ASSERT_EQ(0, VexaSimClearJournal());

    // Linked to another network than the defaults name: not the state to start from.
    OpenAdapterAtStart("HomeNet");
    EXPECT_NE(nullptr, AdapterHandle);
    EXPECT_EQ(expectedId, AdapterInstanceId);
    EXPECT_EQ((std::vector<std::string>{"OpenAdapter", "SetDisassociate"}), JournalLines());
    EXPECT_EQ(0, Vexa5200GetConnectStatus(AdapterHandle));

    CloseAdapterAtEnd();
    EXPECT_EQ("CloseAdapter", LastJournalLine());
    EXPECT_EQ(nullptr, AdapterHandle);
}

TEST_F(AdapterLifetime, StartKeepsALinkToTheNetworkTheDefaultsName)
{
    Join("Wireless");
    Vexa5200CloseAdapter(&AdapterHandle);
    ASSERT_EQ(0, VexaSimClearJournal());
    OpenAdapterAtStart("Wireless");
    EXPECT_EQ((std::vector<std::string>{"OpenAdapter"}), JournalLines());
    EXPECT_NE(0, Vexa5200GetConnectStatus(AdapterHandle));
}

TEST_F(AdapterLifetime, AnUnreadableIdentifierLeavesAnEmptyBuffer)
{
    for (const char* failing : {"QueryRegistryPath", "QueryRegistry"}) {
        SCOPED_TRACE(failing);
        char id[40];
        std::memset(id, 'x', sizeof id);
        ASSERT_EQ(0, VexaSimSetFailure(failing, 1));
        EXPECT_FALSE(GetAdapterInstanceId(id, sizeof id));
        EXPECT_STREQ("", id);
        ASSERT_EQ(0, VexaSimSetFailure(failing, 0));
    }

    // Too small for the identifier: the library refuses, nothing half-copied is kept.
    char tiny[8];
    std::memset(tiny, 'x', sizeof tiny);
    GetAdapterInstanceId(tiny, sizeof tiny);
    EXPECT_LT(std::strlen(tiny), sizeof tiny);
}

TEST_F(AdapterLifetime, ReopenFindsTheCardOnlyWhenItIsBack)
{
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    std::memset(AdapterInstanceId, 0, sizeof AdapterInstanceId);
    EXPECT_FALSE(ReopenAdapter());
    EXPECT_FALSE(ReopenAdapter());
    AdapterStatus status = {};
    EXPECT_FALSE(QueryAdapterStatus(status));
    EXPECT_STREQ("", AdapterInstanceId);

    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    ASSERT_EQ(0, VexaSimClearJournal());
    EXPECT_TRUE(ReopenAdapter());
    EXPECT_EQ((std::vector<std::string>{"CloseAdapter", "OpenAdapter"}), JournalLines());
    EXPECT_STRNE("", AdapterInstanceId);
    EXPECT_TRUE(QueryAdapterStatus(status));
    EXPECT_EQ(LinkNotAssociated, status.LinkState);
}

TEST_F(AdapterLifetime, AnUnusableCardIsClosedAgain)
{
    ASSERT_EQ(0, VexaSimSetFailure("QueryHardwareStatus", 1));
    ASSERT_EQ(0, VexaSimClearJournal());
    EXPECT_FALSE(ReopenAdapter());
    EXPECT_EQ((std::vector<std::string>{"CloseAdapter", "OpenAdapter", "CloseAdapter"}), JournalLines());
    AdapterStatus status = {};
    EXPECT_FALSE(QueryAdapterStatus(status));
}

TEST_F(AdapterWrappers, VersionsRegionAndRadio)
{
    char driver[50];
    EXPECT_TRUE(GetDriverVersion(driver, sizeof driver));
    EXPECT_STRNE("", driver);
    char tiny[2] = {'x', 'x'};
    EXPECT_FALSE(GetDriverVersion(tiny, sizeof tiny));
    EXPECT_EQ('\0', tiny[1]);

    uint32_t firmware = 0;
    EXPECT_TRUE(GetFirmwareVersion(firmware));
    EXPECT_NE(0u, firmware);
    ASSERT_EQ(0, VexaSimSetRegionCode(0x31));
    uint32_t region = 0;
    EXPECT_TRUE(GetRegionCode(region));
    EXPECT_EQ(0x31u, region);

    uint32_t radio = 7;
    EXPECT_TRUE(GetRadio(radio));
    EXPECT_EQ(1u, radio);
    EXPECT_TRUE(SetRadio(0));
    EXPECT_TRUE(GetRadio(radio));
    EXPECT_EQ(0u, radio);

    EXPECT_TRUE(SetReceiveAntenna(2));
    EXPECT_TRUE(JournalHas("SetRadioControl 0"));
    EXPECT_TRUE(JournalHas("SetRxAntenna 2"));

    ASSERT_EQ(0, VexaSimSetFailure("QueryFirmwareVersion", 1));
    firmware = 5;
    EXPECT_FALSE(GetFirmwareVersion(firmware));
    EXPECT_EQ(5u, firmware) << "a failed query leaves the output alone";
}

TEST_F(AdapterWrappers, ScanStartsOnlyWithTheRadioOn)
{
    EXPECT_TRUE(StartScan());
    EXPECT_TRUE(SetRadio(0));
    EXPECT_FALSE(StartScan());
    EXPECT_TRUE(JournalHas("Scan"));
}

}  // namespace
