// The default settings: what the program applies when the adapter is idle and what the
// Configuration and Encryption pages edit.
#ifndef SKYLOOK_DEFAULT_SETTINGS_H
#define SKYLOOK_DEFAULT_SETTINGS_H

#include "record/AdapterSettings.h"

#include <string>

// Below HKEY_LOCAL_MACHINE; the trailing backslash is part of the path the values use.
constexpr const char DefaultSettingsPath[] = "SOFTWARE\\KT60\\DEFAULT\\";

// Writes every stored value; true when all of them were stored. Where the user may not
// write the key, false: the settings are then kept as this run's defaults until a save
// succeeds or the program ends (settings/DefaultsInUse.h).
bool SaveDefaultSettings(const AdapterSettings& settings);

// Fills a record the caller has cleared; a missing value keeps its default (SettingsStore.h).
// Always true.
bool LoadDefaultSettings(AdapterSettings& settings);

// Reads them into a cleared record without creating the key, for callers that must not take
// a failed read for stored data: false, with the value's name, when a stored value could not
// be read through the adapter library.
bool ReadDefaultSettingsChecked(AdapterSettings& settings, std::string& unreadValue);

// Whether default settings were ever stored (rather than the built-in "Wireless" standing in):
// every save writes the network name. Looking creates nothing.
bool DefaultSettingsStored();

// A cleared record filled with the stored default settings; what the program uses is
// DefaultSettingsInUse.
AdapterSettings StoredDefaultSettings();

#endif
