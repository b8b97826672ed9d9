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

#endif
