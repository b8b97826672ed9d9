#include "controls/KeyFilter.h"

bool KeyCharacterAccepted(unsigned int character, bool hexadecimalOnly, bool asciiEntry)
{
    if (!hexadecimalOnly || asciiEntry)
        return true;
    return (character >= '0' && character <= '9') || (character >= 'A' && character <= 'F') ||
           (character >= 'a' && character <= 'f') || character == '\b';
}
