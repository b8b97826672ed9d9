// Text for the XML that Native Wifi takes.
#ifndef SKYLOOK_WLANBRIDGE_XML_TEXT_H
#define SKYLOOK_WLANBRIDGE_XML_TEXT_H

#include <cstddef>
#include <string>

// UTF-8 text with & < > " ' as entities; control characters, which XML 1.0 cannot carry, as
// "?" (a name is only shown; the SSID itself travels as hex).
std::string XmlEscaped(const std::string& text);

// The UTF-8 form of text in the system's ANSI code page, as the program writes names.
std::string Utf8FromAnsi(const std::string& text);

// An SSID's bytes as UTF-8 text to show: most networks name themselves in UTF-8, which is
// taken as it is; other bytes are read in the ANSI code page, as the program shows them;
// control characters become "?", so that the text survives XML unchanged and a profile
// named after it is named the same in every call.
std::string SsidText(const std::string& ssid);

#endif
