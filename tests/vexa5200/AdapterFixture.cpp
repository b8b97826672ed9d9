#include "AdapterFixture.h"

#include <cstdio>
#include <cstring>
#include <vector>

void AdapterTest::SetUp()
{
    ASSERT_EQ(0, VexaSimReset());
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    ASSERT_EQ(0, Vexa5200OpenAdapter(&handle_));
    ASSERT_NE(nullptr, handle_);
}

void AdapterTest::TearDown()
{
    if (handle_)
        Vexa5200CloseAdapter(&handle_);
    VexaSimReset();
}

void AdapterTest::Join(const char* ssid)
{
    Vexa5200SetSsid(handle_, ssid, static_cast<unsigned long>(std::strlen(ssid)), 0);
}

std::string AdapterTest::Ssid()
{
    char ssid[33] = {};
    if (Vexa5200QuerySsid(handle_, ssid, sizeof ssid) != 0)
        return "(failed)";
    return ssid;
}

std::string AdapterTest::BssidText()
{
    unsigned char b[6] = {};
    if (Vexa5200QueryBssid(handle_, b) != 0)
        return "(failed)";
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", b[0], b[1], b[2], b[3], b[4], b[5]);
    return text;
}

unsigned long AdapterTest::Channel()
{
    unsigned long channel = 0;
    EXPECT_EQ(0, Vexa5200QueryChannel(handle_, &channel));
    return channel;
}

long AdapterTest::Rssi()
{
    unsigned long rssi = 0;
    EXPECT_EQ(0, Vexa5200QueryRssi(handle_, &rssi));
    return static_cast<long>(rssi);
}

unsigned long AdapterTest::LinkSpeed()
{
    unsigned long speed = 0;
    EXPECT_EQ(0, Vexa5200QueryLinkSpeed(handle_, &speed));
    return speed;
}
