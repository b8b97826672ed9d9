#include "keys/PskRules.h"

#include <gtest/gtest.h>

namespace {

TEST(PskRules, EightCharactersWithTheSameConfirmationPass)
{
    const PskCheck check = CheckPskPassphrase("12345678", "12345678");
    EXPECT_TRUE(check.Passed());
    EXPECT_EQ(check.Message, "");
    EXPECT_TRUE(CheckPskPassphrase(std::string(63, 'x'), std::string(63, 'x')).Passed());
}

TEST(PskRules, LengthIsCheckedBeforeTheConfirmation)
{
    const PskCheck check = CheckPskPassphrase("1234567", "something else");
    EXPECT_EQ(check.Problem, PskProblem::TooShort);
    EXPECT_EQ(check.Message, "The length of PSK key must be at least 8 characters.");
    EXPECT_EQ(CheckPskPassphrase("", "").Problem, PskProblem::TooShort);
}

TEST(PskRules, ConfirmationMustMatchExactly)
{
    const PskCheck check = CheckPskPassphrase("Passphrase", "passphrase");
    EXPECT_EQ(check.Problem, PskProblem::Mismatch);
    EXPECT_EQ(check.Message, "The Passphrase mismatch.");
    EXPECT_EQ(CheckPskPassphrase("Passphrase", "Passphrase ").Problem, PskProblem::Mismatch);
    EXPECT_EQ(CheckPskPassphrase("Passphrase", "").Problem, PskProblem::Mismatch);
}

// The stored field holds 64 characters and a terminator: a passphrase takes 63, the key itself
// written as 64 hexadecimal digits all of them, and nothing takes more.
TEST(PskRules, LongerThanAPassphraseIsRefusedUnlessItIsTheKeyInHexadecimal)
{
    const PskCheck check = CheckPskPassphrase(std::string(64, 'x'), std::string(64, 'x'));
    EXPECT_EQ(check.Problem, PskProblem::TooLong);
    EXPECT_FALSE(check.Message.empty());
    const std::string key = "00112233445566778899AABBCCDDEEFF00112233445566778899aabbccddeeff";
    EXPECT_TRUE(CheckPskPassphrase(key, key).Passed());
    EXPECT_EQ(CheckPskPassphrase(key + "0", key + "0").Problem, PskProblem::TooLong);
    EXPECT_EQ(CheckPskPassphrase(key.substr(1) + "g", key.substr(1) + "g").Problem, PskProblem::TooLong);
}

}  // namespace
