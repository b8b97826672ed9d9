#include "controls/ThemeColours.h"

namespace {
std::optional<bool> HighContrastOverride;

COLORREF SystemColour(int index)
{
    return ::GetSysColor(index);
}

bool AskedForByEnvironment()
{
    char value[4] = {};
    const DWORD length = ::GetEnvironmentVariableA("SKYLOOK_HIGH_CONTRAST", value, sizeof value);
    return length == 1 && value[0] == '1';
}
}  // namespace

int SystemColourOf(ColourRole role)
{
    switch (role) {
    case ColourRole::PageBackground: return COLOR_WINDOW;
    case ColourRole::PageText: return COLOR_WINDOWTEXT;
    case ColourRole::FrameLine: return COLOR_WINDOWTEXT;
    case ColourRole::PanelBackground: return COLOR_BTNFACE;
    case ColourRole::TabText: return COLOR_BTNTEXT;
    case ColourRole::SelectedTabBackground: return COLOR_HIGHLIGHT;
    case ColourRole::SelectedTabText: return COLOR_HIGHLIGHTTEXT;
    case ColourRole::HoverText: return COLOR_HOTLIGHT;
    case ColourRole::LevelFill: return COLOR_HIGHLIGHT;
    case ColourRole::GraphBackground: return COLOR_WINDOW;
    case ColourRole::GraphLine: return COLOR_WINDOWTEXT;
    case ColourRole::ButtonText: return COLOR_BTNTEXT;
    }
    return COLOR_WINDOWTEXT;
}

COLORREF ChooseColour(ColourRole role, COLORREF own, bool highContrast, COLORREF (*systemColour)(int))
{
    return highContrast ? systemColour(SystemColourOf(role)) : own;
}

COLORREF ThemeColour(ColourRole role, COLORREF own)
{
    return ChooseColour(role, own, HighContrastOn(), &SystemColour);
}

HBRUSH ThemeBrush(ColourRole role, HBRUSH own)
{
    return HighContrastOn() ? ::GetSysColorBrush(SystemColourOf(role)) : own;
}

bool HighContrastOn()
{
    if (HighContrastOverride)
        return *HighContrastOverride;
    static const bool demonstration = AskedForByEnvironment();
    if (demonstration)
        return true;
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void SetHighContrastView(std::optional<bool> on)
{
    HighContrastOverride = on;
}
