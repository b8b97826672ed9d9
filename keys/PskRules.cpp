#include "keys/PskRules.h"

PskCheck CheckPskPassphrase(const std::string& passphrase, const std::string& confirmation)
{
    PskCheck check;
    if (passphrase.size() < PskPassphraseMinLength) {
        check.Problem = PskProblem::TooShort;
        check.Message = "The length of PSK key must be at least 8 characters.";
    } else if (passphrase.size() > PskPassphraseMaxLength) {
        check.Problem = PskProblem::TooLong;
        check.Message = "The length of PSK key must be at most 63 characters.";
    } else if (passphrase != confirmation) {
        check.Problem = PskProblem::Mismatch;
        check.Message = "The Passphrase mismatch.";
    }
    return check;
}
