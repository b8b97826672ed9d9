// A settings record in words, as the profile commands print it.
#ifndef SKYLOOK_CTL_PROFILE_TEXT_H
#define SKYLOOK_CTL_PROFILE_TEXT_H

#include "record/AdapterSettings.h"

#include <string>
#include <vector>

// "open", "WEP", "WPA-PSK" or "WPA (EAP-TLS)".
const char* SecurityText(const AdapterSettings& settings);
const char* ModeText(const AdapterSettings& settings);

struct SettingLine {
    const char* Label;    // for people
    std::string JsonKey;  // for scripts
    std::string Text;
};

// Every setting in words, in the order the dialog's pages show them. Keys and the passphrase
// are replaced by asterisks unless secrets is true; an empty one stays empty.
std::vector<SettingLine> DescribeSettings(const AdapterSettings& settings, bool secrets);

#endif
