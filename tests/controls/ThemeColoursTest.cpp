// The colour choice of the drawn controls and pages for the theme's state.
#include "controls/ThemeColours.h"

#include <gtest/gtest.h>

namespace {

// Every system colour distinct and recognisable: index i reads as RGB(i, 1, 2).
COLORREF FakeSystemColour(int index)
{
    return RGB(index, 1, 2);
}

constexpr ColourRole AllRoles[] = {
    ColourRole::PageBackground,        ColourRole::PageText,        ColourRole::FrameLine,
    ColourRole::PanelBackground,       ColourRole::TabText,         ColourRole::SelectedTabBackground,
    ColourRole::SelectedTabText,       ColourRole::HoverText,       ColourRole::LevelFill,
    ColourRole::GraphBackground,       ColourRole::GraphLine,       ColourRole::ButtonText,
};

TEST(ThemeColours, WithoutHighContrastEveryRoleKeepsTheProgramsOwnColour)
{
    const COLORREF own = RGB(198, 216, 241);
    for (ColourRole role : AllRoles)
        EXPECT_EQ(own, ChooseColour(role, own, false, &FakeSystemColour)) << static_cast<int>(role);
}

// In high contrast, what is drawn on something takes the system's pair for it, so that the
// contrast the user chose holds: text on a page is window text on window, never button text
// on window or window text on button face.
TEST(ThemeColours, InHighContrastForegroundAndBackgroundComeAsTheSystemsPairs)
{
    const struct {
        ColourRole foreground;
        ColourRole background;
        int foregroundIndex;
        int backgroundIndex;
    } pairs[] = {
        {ColourRole::PageText, ColourRole::PageBackground, COLOR_WINDOWTEXT, COLOR_WINDOW},
        {ColourRole::FrameLine, ColourRole::PageBackground, COLOR_WINDOWTEXT, COLOR_WINDOW},
        {ColourRole::LevelFill, ColourRole::PageBackground, COLOR_HIGHLIGHT, COLOR_WINDOW},
        {ColourRole::GraphLine, ColourRole::GraphBackground, COLOR_WINDOWTEXT, COLOR_WINDOW},
        {ColourRole::TabText, ColourRole::PanelBackground, COLOR_BTNTEXT, COLOR_BTNFACE},
        {ColourRole::HoverText, ColourRole::PanelBackground, COLOR_HOTLIGHT, COLOR_BTNFACE},
        {ColourRole::SelectedTabText, ColourRole::SelectedTabBackground, COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT},
        {ColourRole::ButtonText, ColourRole::PanelBackground, COLOR_BTNTEXT, COLOR_BTNFACE},
    };
    const COLORREF own = RGB(0, 0, 255);
    for (const auto& pair : pairs) {
        EXPECT_EQ(FakeSystemColour(pair.foregroundIndex), ChooseColour(pair.foreground, own, true, &FakeSystemColour))
            << "foreground " << static_cast<int>(pair.foreground);
        EXPECT_EQ(FakeSystemColour(pair.backgroundIndex), ChooseColour(pair.background, own, true, &FakeSystemColour))
            << "background " << static_cast<int>(pair.background);
    }
}

TEST(ThemeColours, TheProgramsViewFollowsTheOverrideAndFallsBackToTheSystem)
{
    SetHighContrastView(true);
    EXPECT_TRUE(HighContrastOn());
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), ThemeColour(ColourRole::LevelFill, RGB(1, 2, 3)));
    SetHighContrastView(false);
    EXPECT_EQ(RGB(1, 2, 3), ThemeColour(ColourRole::LevelFill, RGB(1, 2, 3)));
    SetHighContrastView(std::nullopt);
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    const bool system = ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                        (contrast.dwFlags & HCF_HIGHCONTRASTON);
    EXPECT_EQ(system, HighContrastOn());
}

}  // namespace
