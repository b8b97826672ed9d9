// The words of a vexasim command: numbers, hex bytes, BSSIDs, a file's bytes, the count of
// arguments, each with the message a wrong one gets.
#ifndef VEXA5200_COMMAND_WORDS_H
#define VEXA5200_COMMAND_WORDS_H

#include <string>
#include <vector>

namespace vexa {

using Words = std::vector<std::string>;

bool ParseSigned(const std::string& text, long& value);
// Decimal, or hexadecimal with a 0x prefix.
bool ParseUnsigned(const std::string& text, unsigned long& value);
// 0-15 for a hex digit, -1 otherwise.
int HexDigit(char c);
bool ParseHexBytes(const std::string& text, std::vector<unsigned char>& bytes);
// "00:1A:2B:3C:4D:5E" or "00-1A-2B-3C-4D-5E".
bool ParseBssid(const std::string& text, unsigned char bssid[6]);
// At most a megabyte.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);
// Exactly count words, the command's own included.
bool Expect(const Words& w, size_t count, std::string& error);

}  // namespace vexa

#endif
