#include "state/AsciiKeyEntry.h"

int AsciiKeyEntry = 0;
