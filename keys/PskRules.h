// Rules for a WPA pre-shared passphrase and its confirmation. Free of windows: the editor
// shows the message.
#ifndef SKYLOOK_PSK_RULES_H
#define SKYLOOK_PSK_RULES_H

#include <cstddef>
#include <string>

constexpr size_t PskPassphraseMinLength = 8;
constexpr size_t PskPassphraseMaxLength = 63;  // the entry fields accept no more
// The pre-shared key itself, 256 bits written as hexadecimal digits, may stand in for a
// passphrase (Windows' profiles keep some so); the record's field holds it with its terminator.
constexpr size_t PskKeyHexDigits = 64;

// Exactly PskKeyHexDigits hexadecimal digits.
bool IsPskHexKey(const std::string& text);

enum class PskProblem {
    None,
    TooShort,
    TooLong,
    Mismatch,
};

struct PskCheck {
    PskProblem Problem = PskProblem::None;
    std::string Message;  // for the "Warning" box; empty when the passphrase is accepted

    bool Passed() const { return Problem == PskProblem::None; }
};

// The length is checked before the confirmation is looked at (a hexadecimal key of 64 digits
// passes for a passphrase); the comparison is exact.
// An accepted passphrase fits AdapterSettings::PskPassphrase with its terminator.
PskCheck CheckPskPassphrase(const std::string& passphrase, const std::string& confirmation);

#endif
