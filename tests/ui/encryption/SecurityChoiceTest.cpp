// What the security editors show for a stored record, and when the Profile dialog's
// authentication list may be used.
#include "ui/encryption/SecurityChoice.h"

#include <gtest/gtest.h>

namespace {

// A WPA record stored with WepStatus "off" (as the Profile dialog's OK and earlier versions
// leave it) must not open as an open network, whose next OK would store it open.
TEST(SecurityChoice, WpaModesOpenEncryptedWhateverWepStatusHolds)
{
    const struct {
        uint32_t AuthMode;
        uint32_t WepStatus;
        bool Encryption;
        int AuthIndex;
    } rows[] = {
        {AuthModeWpaPsk, WepStatusOff, true, AuthModeWpaPsk},
        {AuthModeWpa, WepStatusOff, true, AuthModeWpa},
        {AuthModeWpaPsk, WepStatusOn, true, AuthModeWpaPsk},
        {AuthModeShared, WepStatusOn, true, AuthModeShared},
        // Without encryption a stored shared mode shows as open, as unchecking the box makes it.
        {AuthModeShared, WepStatusOff, false, AuthModeOpen},
        {AuthModeOpen, WepStatusOff, false, AuthModeOpen},
        // A mode the list lacks (4 or more) leaves it without a selection: shown as open, it
        // would be stored as open by an Apply that changed nothing.
        {4, WepStatusOn, true, NoAuthSelection},
        {7, WepStatusOn, true, NoAuthSelection},
        // Without encryption it shows as open, as unchecking the box makes it.
        {7, WepStatusOff, false, AuthModeOpen},
    };
    for (const auto& row : rows) {
        AdapterSettings settings{};
        settings.AuthMode = row.AuthMode;
        settings.WepStatus = row.WepStatus;
        const SecurityChoice choice = SecurityChoiceFor(settings);
        EXPECT_EQ(row.Encryption, choice.Encryption) << "AuthMode " << row.AuthMode << " WepStatus " << row.WepStatus;
        EXPECT_EQ(row.AuthIndex, choice.AuthIndex) << "AuthMode " << row.AuthMode << " WepStatus " << row.WepStatus;
    }
}

// The check box and the network type decide together; either alone would leave the list
// usable for an ad-hoc network or without encryption.
TEST(SecurityChoice, TheAuthenticationListNeedsEncryptionAndAnInfrastructureNetwork)
{
    const struct {
        bool Encryption;
        int NetworkMode;
        bool Enabled;
    } rows[] = {
        {true, NetworkModeInfrastructure, true},
        {true, NetworkModeAdHoc, false},
        {false, NetworkModeInfrastructure, false},
        {false, NetworkModeAdHoc, false},
        {true, -1, false},  // no type selected
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.Enabled, AuthListEnabled(row.Encryption, row.NetworkMode))
            << "encryption " << row.Encryption << " network mode " << row.NetworkMode;
}

}  // namespace
