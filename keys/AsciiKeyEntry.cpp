#include "keys/AsciiKeyEntry.h"

int AsciiKeyEntry = 0;
