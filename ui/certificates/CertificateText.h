// How the certificate dialogs write a certificate's fields as text.
#ifndef SKYLOOK_UI_CERTIFICATE_TEXT_H
#define SKYLOOK_UI_CERTIFICATE_TEXT_H

#include <windows.h>

#include <cstddef>
#include <string>

// "Mar 5, 2010": the month's abbreviation, the day and the year of a calendar date; a month
// outside 1-12 shows as "???".
std::string FormatCalendarDate(const SYSTEMTIME& date);
// A certificate time as the calendar date it names in UTC, with no time-zone adjustment;
// empty when the time is beyond the calendar.
std::string FormatCertificateDate(const FILETIME& time);

// "V3" for the version field 2: the X.509 version number is the field plus one.
std::string FormatCertificateVersion(DWORD versionField);

// Each byte as two upper-case hexadecimal digits and a space, in the order given (the
// certificate interface holds a serial number lowest byte first).
std::string FormatSerialNumber(const BYTE* bytes, size_t count);

// Bytes as upper-case hexadecimal pairs separated by spaces, at most maxChars characters:
// when they do not all fit, as many whole pairs as leave room for a closing "...".
std::string FormatHexBytes(const BYTE* bytes, size_t count, size_t maxChars);

// An object identifier string with every "szOID_" taken out.
std::string WithoutOidPrefix(const char* objectId);

#endif
