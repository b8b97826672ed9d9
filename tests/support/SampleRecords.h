// Settings records as the dialog would store them, built one way for every test: a test
// starts from one of these and sets only the fields it is about.
#ifndef SKYLOOK_TESTS_SAMPLE_RECORDS_H
#define SKYLOOK_TESTS_SAMPLE_RECORDS_H

#include "record/AdapterSettings.h"

// An open network: infrastructure, channel 1, automatic rate and preamble, continuous
// access, WEP off with 64-bit keys, both halves to apply.
AdapterSettings OpenRecord(const char* ssid = "Wireless");

// WEP on with open authentication and key 1 transmitting; every key slot holds a key of size
// bytes, each slot its own: HEX keys A0A1A2..., B1B2B3..., C2C3C4..., D3D4D5...; ASCII keys
// "abcde...", "bcdef...", "cdefg...", "defgh...".
AdapterSettings WepRecord(const char* ssid, uint32_t size = WepKeySize128, uint32_t format = WepKeyFormatHex);

// WPA-PSK with the passphrase.
AdapterSettings PskRecord(const char* ssid, const char* passphrase);

// WPA with EAP-TLS for the login name, with the certificate's name as the dialog keeps it.
AdapterSettings TlsRecord(const char* ssid, const char* loginName, const char* certificate = "");

#endif
