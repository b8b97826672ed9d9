#include "TestCertificate.h"

#include "record/TextField.h"
#include "ui/certificates/CertificateText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(CertificateText, DatesAreMonthDayAndYear)
{
    const struct {
        SYSTEMTIME date;
        const char* text;
    } cases[] = {
        {CalendarDate(2010, 3, 5), "Mar 5, 2010"},
        {CalendarDate(1999, 12, 31), "Dec 31, 1999"},
        {CalendarDate(2049, 1, 1), "Jan 1, 2049"},
        // A month outside the table must not read past it.
        {CalendarDate(2010, 0, 5), "??? 5, 2010"},
        {CalendarDate(2010, 13, 5), "??? 5, 2010"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FormatCalendarDate(c.date));
}

TEST(CertificateText, CertificateTimesAreTheirUtcDateWithoutTimeZoneChange)
{
    // Half an hour before midnight UTC: a conversion to local time east of Greenwich would
    // give the next day.
    const SYSTEMTIME lateEvening = CalendarDate(2010, 3, 5, 23, 30);
    FILETIME time = {};
    ASSERT_TRUE(::SystemTimeToFileTime(&lateEvening, &time));
    EXPECT_EQ("Mar 5, 2010", FormatCertificateDate(time));

    const FILETIME beyondTheCalendar = {0xFFFFFFFF, 0xFFFFFFFF};
    EXPECT_EQ("", FormatCertificateDate(beyondTheCalendar));
}

TEST(CertificateText, VersionIsTheFieldPlusOne)
{
    EXPECT_EQ("V1", FormatCertificateVersion(0));
    EXPECT_EQ("V3", FormatCertificateVersion(2));
}

TEST(CertificateText, SerialBytesAreHexPairsEachFollowedByASpaceInTheOrderHeld)
{
    const struct {
        std::vector<BYTE> bytes;
        const char* text;
    } cases[] = {
        {{}, ""},
        {{0x0A}, "0A "},
        {{0x34, 0x12}, "34 12 "},
        {{0x00, 0xFF, 0xab}, "00 FF AB "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FormatSerialNumber(c.bytes.data(), c.bytes.size()));
}

TEST(CertificateText, HexBytesThatDoNotFitAreCutToWholePairsAndMarked)
{
    const BYTE bytes[] = {0x30, 0x81, 0x89, 0x02, 0x81};
    const struct {
        size_t max;
        const char* text;
    } cases[] = {
        {15, "30 81 89 02 81 "},
        {100, "30 81 89 02 81 "},
        {14, "30 81 89 ..."},
        {12, "30 81 89 ..."},
        {11, "30 81 ..."},
        {3, "..."},
        {2, ""},
        {0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FormatHexBytes(bytes, sizeof bytes, c.max)) << "at most " << c.max;
    EXPECT_EQ("", FormatHexBytes(nullptr, 4, 100));
}

TEST(CertificateText, HexBytesNeverExceedTheirLimit)
{
    std::vector<BYTE> bytes(200, 0xAB);
    for (size_t count = 0; count <= bytes.size(); count += 7)
        for (size_t max = 0; max <= 400; max += 13)
            ASSERT_LE(FormatHexBytes(bytes.data(), count, max).size(), max) << count << " bytes, at most " << max;
}

TEST(CertificateText, OidPrefixIsRemovedWherePresent)
{
    EXPECT_EQ("1.2.840.113549.1.1.5", WithoutOidPrefix("1.2.840.113549.1.1.5"));
    EXPECT_EQ("RSA_SHA1RSA", WithoutOidPrefix("szOID_RSA_SHA1RSA"));
    EXPECT_EQ("ab", WithoutOidPrefix("aszOID_szOID_b"));
    EXPECT_EQ("", WithoutOidPrefix(nullptr));
}

TEST(TextField, NamesAreCutToTheFieldTerminatedAndTheRestCleared)
{
    const struct {
        const char* text;
        const char* stored;
    } cases[] = {
        {"", ""},
        {nullptr, ""},
        {"short", "short"},
        {"exactly7", "exactly"},
        {"a name far longer than the field", "a name "},
    };
    for (const auto& c : cases) {
        char field[10];
        std::memset(field, 'X', sizeof field);
        CopyFieldText(field, 8, c.text);
        EXPECT_STREQ(c.stored, field);
        for (size_t index = std::strlen(field); index < 8; ++index)
            EXPECT_EQ('\0', field[index]) << "byte " << index;
        EXPECT_EQ('X', field[8]) << "nothing past the field";
    }
}

}  // namespace
