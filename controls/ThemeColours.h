// The colours of the program's own drawing and what replaces them while a high-contrast
// theme is on: the system colour of the same role, so that text keeps the contrast the user
// chose against the background the theme gives. Every drawn control and page asks here at
// paint time, so a theme switched while the dialog is open takes effect at the next paint
// (the dialog repaints everything on WM_SYSCOLORCHANGE and WM_SETTINGCHANGE).
#ifndef SKYLOOK_CONTROLS_THEME_COLOURS_H
#define SKYLOOK_CONTROLS_THEME_COLOURS_H

#include <windows.h>

#include <optional>

enum class ColourRole {
    PageBackground,         // the pages, their edits and the bars' empty part
    PageText,               // text on a page, the figures of Link Info, the frames' captions
    FrameLine,              // the group frames' lines
    PanelBackground,        // the dialog's side panel behind the page labels
    TabText,                // a page label that is not selected
    SelectedTabBackground,  // the shown page's label
    SelectedTabText,
    HoverText,              // a page label under the mouse
    LevelFill,              // the filled part of a level bar
    GraphBackground,
    GraphLine,              // a graph's grid and columns
    ButtonText,             // a drawn button's caption
};

// The system colour index (COLOR_*) that stands for role in high contrast.
int SystemColourOf(ColourRole role);

// The colour to draw role in: own while high contrast is off, the role's system colour
// (as systemColour reports it) while it is on.
COLORREF ChooseColour(ColourRole role, COLORREF own, bool highContrast, COLORREF (*systemColour)(int));

// The same for the program's view of the theme and the system's colours.
COLORREF ThemeColour(ColourRole role, COLORREF own);
// A brush of the role: own while high contrast is off, the system's brush of the role's
// colour while it is on (the system owns it; never deleted).
HBRUSH ThemeBrush(ColourRole role, HBRUSH own);

// Whether the program draws for high contrast: what the system says (SPI_GETHIGHCONTRAST),
// unless overridden. SKYLOOK_HIGH_CONTRAST=1 in the environment overrides it for a
// demonstration on a system that cannot switch the theme on (Wine).
bool HighContrastOn();
// Overrides the system's answer (nullopt: ask the system again); the caller sends the
// windows WM_SYSCOLORCHANGE, as the system does when the theme switches.
void SetHighContrastView(std::optional<bool> on);

#endif
