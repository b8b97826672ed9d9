// Resource ids of skylook.exe, named by kind.
#ifndef SKYLOOK_RESOURCE_H
#define SKYLOOK_RESOURCE_H

// Icons
#define IDI_SKYLOOK 128           // the application
#define IDI_SIGNAL_EXCELLENT 133  // strongest signal; also ad-hoc
#define IDI_SIGNAL_GOOD 134
#define IDI_NOT_CONNECTED 136     // at start, not connected, radio off
#define IDI_NO_CARD 153
#define IDI_SIGNAL_FAIR 159
#define IDI_SIGNAL_POOR 160       // weakest signal

// Bitmaps
#define IDB_ABOUT 149               // the About page's picture
#define IDB_SURVEY_IMAGES 155       // the Site Survey page's twelve 16x16 list images
#define IDB_SURVEY_IMAGES_20 156    // the same twelve at 20x20, 24x24 and 32x32
#define IDB_SURVEY_IMAGES_24 157
#define IDB_SURVEY_IMAGES_32 158

// Cursors
#define IDC_HAND_CURSOR 142         // over the configuration dialog's side labels

// Menu commands
#define ID_TRAY_EXIT 2024

#endif
