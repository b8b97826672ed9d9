#include "AdapterFixture.h"

#include <cstring>
#include <string>
#include <thread>
#include <vector>

using ControlTest = AdapterTest;

TEST_F(ControlTest, FailSwitchTakesNamesWithOrWithoutPrefix)
{
    unsigned long value = 0;
    ASSERT_EQ(0, VexaSimSetFailure("QueryRssi", 1));
    ASSERT_EQ(0, VexaSimSetFailure("Vexa5200QueryChannel", 1));
    Join("Wireless");
    ASSERT_TRUE(Associated());
    EXPECT_NE(0, Vexa5200QueryRssi(handle_, &value));
    EXPECT_NE(0, Vexa5200QueryChannel(handle_, &value));
    EXPECT_EQ(0, Vexa5200QueryLinkSpeed(handle_, &value));

    ASSERT_EQ(0, VexaSimSetFailure("QueryRssi", 0));
    EXPECT_EQ(0, Vexa5200QueryRssi(handle_, &value));
    EXPECT_NE(0, Vexa5200QueryChannel(handle_, &value));
    ASSERT_EQ(0, VexaSimClearFailures());
    EXPECT_EQ(0, Vexa5200QueryChannel(handle_, &value));

    EXPECT_NE(0, VexaSimSetFailure("QueryEverything", 1));
    EXPECT_NE(0, VexaSimSetFailure("Vexa5200", 1));
    EXPECT_NE(0, VexaSimSetFailure(nullptr, 1));
}

TEST_F(ControlTest, FailingSetChangesNothingAndFailingConnectStatusReadsUnassociated)
{
    ASSERT_EQ(0, VexaSimSetFailure("SetSsid", 1));
    EXPECT_NE(0, Vexa5200SetSsid(handle_, "Wireless", 8, 0));
    EXPECT_FALSE(Associated());
    VexaSimClearFailures();
    Join("Wireless");
    ASSERT_EQ(0, VexaSimSetFailure("GetConnectStatus", 1));
    EXPECT_FALSE(Associated());
    ASSERT_EQ(0, VexaSimSetFailure("OpenAdapter", 1));
    VEXA5200_HANDLE second = nullptr;
    EXPECT_NE(0, Vexa5200OpenAdapter(&second));
}

TEST_F(ControlTest, RefusedEditsChangeNothing)
{
    std::string before = AdapterStatusText();
    VexaSimNetwork bad = SimNetwork("", VEXASIM_OPEN);
    EXPECT_NE(0, VexaSimAddNetwork(&bad));
    bad = SimNetwork("Wep", VEXASIM_WEP);  // no key
    EXPECT_NE(0, VexaSimAddNetwork(&bad));
    bad = SimNetwork("Psk", VEXASIM_WPA_PSK);
    std::strcpy(bad.Passphrase, "short");
    EXPECT_NE(0, VexaSimAddNetwork(&bad));
    bad = SimNetwork("AdHocPsk", VEXASIM_WPA_PSK);
    bad.Infrastructure = 0;
    std::strcpy(bad.Passphrase, "long enough");
    EXPECT_NE(0, VexaSimAddNetwork(&bad));
    bad = SimNetwork("Ch15", VEXASIM_OPEN, -60, 15);
    EXPECT_NE(0, VexaSimAddNetwork(&bad));
    VexaSimNetwork duplicate = SimNetwork("Twin", VEXASIM_OPEN);
    const unsigned char wirelessBssid[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x01};
    std::memcpy(duplicate.Bssid, wirelessBssid, 6);
    EXPECT_NE(0, VexaSimAddNetwork(&duplicate));
    VexaSimNetwork unknown = SimNetwork("Ghost", VEXASIM_OPEN);
    unknown.Bssid[5] = 0x77;
    EXPECT_NE(0, VexaSimUpdateNetwork(&unknown));
    EXPECT_NE(0, VexaSimRemoveNetwork("Ghost"));
    EXPECT_NE(0, VexaSimSetNetworkRssi("Wireless", 0));
    EXPECT_NE(0, VexaSimSetCardPresent(2));
    EXPECT_NE(0, VexaSimSetJoinDelay(3600000));
    EXPECT_EQ(before, AdapterStatusText());
}

TEST_F(ControlTest, ResetRestoresTheDefaultScene)
{
    std::string fresh = AdapterStatusText();
    VexaSimRemoveAllNetworks();
    VexaSimSetHardwareRadio(0);
    VexaSimSetRegionCode(0x40);
    VexaSimSetFailure("Scan", 1);
    EXPECT_NE(fresh, AdapterStatusText());
    ASSERT_EQ(0, VexaSimReset());
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    EXPECT_EQ(fresh, AdapterStatusText());
}

TEST_F(ControlTest, ScenarioBuildsOnTheDefaultSceneAndIsAllOrNothing)
{
    const char* scenario =
        "# a quiet evening\n"
        "network clear\n"
        "network add \"Cafe Guest\" channel=11 rssi=-71\n"
        "network add Office bssid=00:11:22:33:44:55 security=wpa-psk passphrase=\"office secret\"\n"
        "\n"
        "region 0x30\n";
    char error[256] = "x";
    ASSERT_EQ(0, VexaSimLoadScenario(scenario, error, sizeof error));
    EXPECT_STREQ("", error);
    std::string status = AdapterStatusText();
    EXPECT_NE(std::string::npos, status.find("\"Cafe Guest\"  00-1A-2B-5E-00-01  infrastructure  channel 11  -71 dBm"));
    EXPECT_NE(std::string::npos, status.find("\"Office\"  00-11-22-33-44-55"));
    EXPECT_EQ(std::string::npos, status.find("\"Wireless\""));
    EXPECT_NE(std::string::npos, status.find("region: 0x30"));

    std::string loaded = AdapterStatusText();
    ASSERT_NE(0, VexaSimLoadScenario("network clear\nregion 0x40\nnetwork add Bad channel=0\n", error, sizeof error));
    EXPECT_EQ(0, std::strncmp(error, "line 3: ", 8)) << error;
    EXPECT_EQ(loaded, AdapterStatusText());
}

TEST_F(ControlTest, AProcessThatDiesHoldingTheLockDoesNotWedgeTheAdapter)
{
    // A thread that ends while owning the mutex abandons it, as a dying process does.
    std::thread([] {
        HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "Global\\Vexa5200.Adapter.Mutex");
        ASSERT_NE(nullptr, mutex);
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(mutex, INFINITE));
        CloseHandle(mutex);
    }).join();
    unsigned long on = 0;
    EXPECT_EQ(0, Vexa5200QueryRadioControl(handle_, &on));
    Join("Wireless");
    EXPECT_TRUE(Associated());
}
