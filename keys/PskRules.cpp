#include "keys/PskRules.h"

#include "record/HexText.h"

#include <algorithm>

bool IsPskHexKey(const std::string& text)
{
    return text.size() == PskKeyHexDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

PskCheck CheckPskPassphrase(const std::string& passphrase, const std::string& confirmation)
{
    PskCheck check;
    if (passphrase.size() < PskPassphraseMinLength) {
        check.Problem = PskProblem::TooShort;
        check.Message = "The length of PSK key must be at least 8 characters.";
    } else if (passphrase.size() > PskPassphraseMaxLength && !IsPskHexKey(passphrase)) {
        check.Problem = PskProblem::TooLong;
        check.Message = "The length of PSK key must be at most 63 characters.";
    } else if (passphrase != confirmation) {
        check.Problem = PskProblem::Mismatch;
        check.Message = "The Passphrase mismatch.";
    }
    return check;
}
