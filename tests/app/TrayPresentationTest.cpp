#include "app/TrayPresentation.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

AdapterStatus Linked(int32_t state, uint32_t mode, int32_t signal)
{
    AdapterStatus status = {};
    status.LinkState = state;
    status.NetworkMode = mode;
    status.SignalStrength = signal;
    return status;
}

TEST(TrayPicture, SignalLevelsSplitAtTheirBoundaries)
{
    struct Case {
        int32_t signal;
        int icon;
        const char* quality;
    } cases[] = {{100, IDI_SIGNAL_EXCELLENT, "Good"}, {76, IDI_SIGNAL_EXCELLENT, "Good"},
                 {75, IDI_SIGNAL_GOOD, "Good"},       {51, IDI_SIGNAL_GOOD, "Good"},
                 {50, IDI_SIGNAL_FAIR, "Poor"},       {26, IDI_SIGNAL_FAIR, "Poor"},
                 {25, IDI_SIGNAL_POOR, "Poor"},       {0, IDI_SIGNAL_POOR, "Poor"}};
    for (const Case& c : cases) {
        for (int32_t state : {LinkAssociated, LinkNotAssociatedAdHoc}) {
            TrayPicture picture = ChooseTrayPicture(Linked(state, 1, c.signal), TooltipForm::Slash);
            EXPECT_EQ(c.icon, picture.IconId) << c.signal;
            EXPECT_EQ(std::string("Skylook / Signal Strength : ") + c.quality, picture.Tooltip) << c.signal;
        }
    }
}

TEST(TrayPicture, EachStateInBothTooltipForms)
{
    struct Case {
        AdapterStatus status;
        int icon;
        const char* slash;
        const char* twoLine;
    } cases[] = {
        {Linked(LinkNotAssociated, 1, 0), IDI_NOT_CONNECTED, "Skylook / No Connect", "Skylook\n\rNo Connect"},
        {Linked(LinkRadioOff, 0, 0), IDI_NOT_CONNECTED, "Skylook / Radio Off", "Skylook / Radio Off"},
        {Linked(LinkAssociated, 0, 10), IDI_SIGNAL_EXCELLENT, "Skylook / Ad-Hoc", "Skylook\n\rAd-Hoc"},
        {Linked(LinkNotAssociatedAdHoc, 0, 90), IDI_SIGNAL_EXCELLENT, "Skylook / Ad-Hoc", "Skylook\n\rAd-Hoc"},
        {Linked(LinkAssociated, 1, 90), IDI_SIGNAL_EXCELLENT, "Skylook / Signal Strength : Good",
         "Skylook\n\rSignal Strength : Good"},
        // While settings are applied or a connection is made, no icon is chosen.
        {Linked(LinkScanning, 1, 90), 0, "Skylook", "Skylook"},
        {Linked(LinkConnecting, 1, 90), 0, "Skylook", "Skylook"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slash);
        TrayPicture slash = ChooseTrayPicture(c.status, TooltipForm::Slash);
        TrayPicture twoLine = ChooseTrayPicture(c.status, TooltipForm::TwoLine);
        EXPECT_EQ(c.icon, slash.IconId);
        EXPECT_EQ(c.icon, twoLine.IconId);
        EXPECT_EQ(c.slash, slash.Tooltip);
        EXPECT_EQ(c.twoLine, twoLine.Tooltip);
    }
    EXPECT_EQ(IDI_NO_CARD, NoCardPicture(TooltipForm::Slash).IconId);
    EXPECT_EQ("Skylook / No Card Found", NoCardPicture(TooltipForm::Slash).Tooltip);
    EXPECT_EQ("Skylook\n\rNo Card Found", NoCardPicture(TooltipForm::TwoLine).Tooltip);
}

TEST(TrayPicture, TheSlashFormBelongsToMinorVersionsFourAndTen)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    struct Case {
        DWORD major, minor;
        TooltipForm form;
    } cases[] = {{4, 10, TooltipForm::Slash},   {6, 4, TooltipForm::Slash},   {5, 1, TooltipForm::TwoLine},
                 {4, 0, TooltipForm::TwoLine},  {4, 90, TooltipForm::TwoLine}, {5, 0, TooltipForm::TwoLine},
                 {10, 0, TooltipForm::TwoLine}, {6, 1, TooltipForm::TwoLine}};
    for (const Case& c : cases) {
        version.dwMajorVersion = c.major;
        version.dwMinorVersion = c.minor;
        EXPECT_EQ(c.form, TooltipFormFor(version)) << c.major << "." << c.minor;
    }
}

}  // namespace
