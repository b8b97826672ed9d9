// Which characters a key edit lets through.
#ifndef SKYLOOK_CONTROLS_KEY_FILTER_H
#define SKYLOOK_CONTROLS_KEY_FILTER_H

// True when character may reach the edit: always in ASCII entry or without the hexadecimal
// restriction; otherwise only 0-9, A-F, a-f and backspace.
bool KeyCharacterAccepted(unsigned int character, bool hexadecimalOnly, bool asciiEntry);

#endif
