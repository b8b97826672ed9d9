// The version texts of the About page.
#ifndef SKYLOOK_UI_VERSION_TEXTS_H
#define SKYLOOK_UI_VERSION_TEXTS_H

#include <cstdint>
#include <string>

// The utility's own version, padded the way the page has always shown it.
extern const char* const UtilityVersionText;

// The driver's version text with its padding; the text ends at the buffer's end at the latest.
std::string DriverVersionText(const char* version, size_t size);

// The four bytes of the firmware version, most significant first: "5.1.2.3".
std::string FirmwareVersionText(uint32_t version);

#endif
