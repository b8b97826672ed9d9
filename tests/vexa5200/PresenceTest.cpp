#include "AdapterFixture.h"

#include <cstring>
#include <string>

using PresenceTest = AdapterTest;

TEST_F(PresenceTest, RemovedCardCannotBeOpenedNorFound)
{
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    char path[128] = "unchanged";
    EXPECT_NE(0, Vexa5200QueryRegistryPath(handle_, path, sizeof path));
    unsigned long value = 0;
    EXPECT_NE(0, Vexa5200QueryRadioControl(handle_, &value));
    EXPECT_NE(0, Vexa5200QueryHardwareStatus(handle_, &value));
    EXPECT_EQ(0, Vexa5200GetConnectStatus(handle_));

    VEXA5200_HANDLE second = reinterpret_cast<VEXA5200_HANDLE>(1);
    EXPECT_NE(0, Vexa5200OpenAdapter(&second));
    EXPECT_EQ(nullptr, second);
}

TEST_F(PresenceTest, HandleFromBeforeRemovalStaysInvalidUntilReopened)
{
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    char path[128];
    EXPECT_NE(0, Vexa5200QueryRegistryPath(handle_, path, sizeof path));
    EXPECT_EQ(0, Vexa5200CloseAdapter(&handle_));
    EXPECT_EQ(nullptr, handle_);
    ASSERT_EQ(0, Vexa5200OpenAdapter(&handle_));
    EXPECT_EQ(0, Vexa5200QueryRegistryPath(handle_, path, sizeof path));
}

TEST_F(PresenceTest, DriverKeyHoldsAFixedInstanceGuid)
{
    char path[128] = {};
    ASSERT_EQ(0, Vexa5200QueryRegistryPath(handle_, path, sizeof path));
    const char* classKey = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
    ASSERT_EQ(std::strlen(classKey) + 4, std::strlen(path));  // a four-digit instance follows
    EXPECT_EQ(0, std::strncmp(path, classKey, std::strlen(classKey)));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(path[std::strlen(path) - i] >= '0' && path[std::strlen(path) - i] <= '9');

    char id[40] = {};
    ASSERT_EQ(0, Vexa5200QueryRegistry(path, "NetCfgInstanceId", id, sizeof id));
    ASSERT_EQ(38u, std::strlen(id));
    EXPECT_EQ('{', id[0]);
    EXPECT_EQ('}', id[37]);

    // A removed key comes back with the same identifier when the library is used again.
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_LOCAL_MACHINE, path));
    ASSERT_EQ(0, VexaSimReset());
    char again[40] = {};
    ASSERT_EQ(0, Vexa5200QueryRegistry(path, "NetCfgInstanceId", again, sizeof again));
    EXPECT_STREQ(id, again);
}

TEST_F(PresenceTest, RegistryPathNeedsRoomForItsTerminator)
{
    char path[128];
    ASSERT_EQ(0, Vexa5200QueryRegistryPath(handle_, path, sizeof path));
    size_t length = std::strlen(path);
    char exact[128];
    EXPECT_EQ(0, Vexa5200QueryRegistryPath(handle_, exact, static_cast<unsigned long>(length + 1)));
    EXPECT_NE(0, Vexa5200QueryRegistryPath(handle_, exact, static_cast<unsigned long>(length)));
}

TEST_F(PresenceTest, VersionsRegionAndHardwareStatus)
{
    unsigned long value = 99;
    ASSERT_EQ(0, Vexa5200QueryHardwareStatus(handle_, &value));
    EXPECT_EQ(0u, value);
    ASSERT_EQ(0, Vexa5200QueryFirmwareVersion(handle_, &value));
    EXPECT_NE(0u, value >> 24);  // major version in the high byte
    char text[50] = {};
    ASSERT_EQ(0, Vexa5200QueryDriverVersion(handle_, text, sizeof text));
    EXPECT_GT(std::strlen(text), 0u);
    ASSERT_EQ(0, Vexa5200QueryRegionCode(handle_, &value));
    EXPECT_EQ(0x10u, value);
    ASSERT_EQ(0, VexaSimSetRegionCode(0x31));
    ASSERT_EQ(0, Vexa5200QueryRegionCode(handle_, &value));
    EXPECT_EQ(0x31u, value);
}

TEST_F(PresenceTest, ReinsertedCardStartsWithPowerOnSettings)
{
    Vexa5200SetNetworkMode(handle_, 0);
    Vexa5200SetChannel(handle_, 9);
    Vexa5200SetRadioControl(handle_, 0);
    VexaSimSetCardPresent(0);
    VexaSimSetCardPresent(1);
    Vexa5200CloseAdapter(&handle_);
    ASSERT_EQ(0, Vexa5200OpenAdapter(&handle_));
    unsigned long value = 0;
    ASSERT_EQ(0, Vexa5200QueryRadioControl(handle_, &value));
    EXPECT_EQ(1u, value);
    ASSERT_EQ(0, Vexa5200QueryNetworkMode(handle_, &value));
    EXPECT_EQ(1u, value);
    EXPECT_EQ(1u, Channel());
}

TEST_F(PresenceTest, NullArgumentsAreRefused)
{
    EXPECT_NE(0, Vexa5200OpenAdapter(nullptr));
    EXPECT_NE(0, Vexa5200CloseAdapter(nullptr));
    EXPECT_NE(0, Vexa5200QueryRssi(handle_, nullptr));
    EXPECT_NE(0, Vexa5200QuerySsid(handle_, nullptr, 33));
    EXPECT_NE(0, Vexa5200QueryStatistics(handle_, nullptr));
    unsigned long value = 0;
    EXPECT_NE(0, Vexa5200QueryChannel(nullptr, &value));
    int local = 0;
    EXPECT_NE(0, Vexa5200QueryChannel(&local, &value));  // not a handle of the library
    VEXA5200_HANDLE bogus = &local;
    EXPECT_NE(0, Vexa5200CloseAdapter(&bogus));
}
