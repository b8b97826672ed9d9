// Every adapter test starts from the default scene with an open handle; joins complete
// within the call that starts them unless a test asks for a delay.
#ifndef VEXA5200_TEST_ADAPTER_FIXTURE_H
#define VEXA5200_TEST_ADAPTER_FIXTURE_H

#include "AdapterJournal.h"
#include "SimNetwork.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <string>

class AdapterTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Open authentication without encryption, infrastructure, Auto rate.
    void Join(const char* ssid);
    bool Associated() { return Vexa5200GetConnectStatus(handle_) != 0; }
    std::string Ssid();
    std::string BssidText();
    unsigned long Channel();
    long Rssi();
    unsigned long LinkSpeed();

    VEXA5200_HANDLE handle_ = nullptr;
};

#endif
