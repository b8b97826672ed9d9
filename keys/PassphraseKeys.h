// Four WEP keys generated from a passphrase, as upper-case hexadecimal text.
#ifndef SKYLOOK_PASSPHRASE_KEYS_H
#define SKYLOOK_PASSPHRASE_KEYS_H

#include "keys/WepKeyRules.h"

#include <string>

// 64-bit keys (10 characters each): the passphrase folded into a 32-bit seed that drives a
// linear congruential generator. Writes its diagnostic lines to standard output.
// False for an empty passphrase (keys untouched).
bool GenerateWep64Keys(const std::string& passphrase, WepKeyTexts& keys);

// 128-bit keys (26 characters each): the first 13 bytes of the MD5 digest of a 64-byte block
// repeating the passphrase (with the byte 1, 2 or 3 appended for keys 2, 3 and 4).
// False for an empty passphrase or when no digest could be computed (keys untouched).
bool GenerateWep128Keys(const std::string& passphrase, WepKeyTexts& keys);

// The method the "Key Length" index selects: 0 the 64-bit keys, any other the 128-bit keys.
bool GenerateWepKeys(const std::string& passphrase, int lengthIndex, WepKeyTexts& keys);

#endif
