// The registry form of an AdapterSettings record: one set of short values below a key of
// HKEY_LOCAL_MACHINE. The default settings and every profile use it, each on its own path.
#ifndef SKYLOOK_SETTINGS_STORE_H
#define SKYLOOK_SETTINGS_STORE_H

#include "record/AdapterSettings.h"

#include <string>

// Creates the key, then writes every stored value of the record. The four WEP keys are
// written only while WEP is on (WepStatus 0); otherwise the stored keys stay as they were.
// True when the key could be created and every value was written; a failed write does not
// stop the others.
bool SaveSettingsAt(const char* path, const AdapterSettings& settings);

// Creates the key, then reads every stored value into the record, which the caller has
// cleared. A missing value leaves the field's default: "Wireless", network mode 1, channel 1,
// rate Auto, WEP off; every other field stays as it was. A stored value is taken as it reads,
// in range or not (StoredValues.h); only a channel that is not decimal text gives 1, and a
// rate that is not one of the table's texts gives Auto.
void LoadSettingsAt(const char* path, AdapterSettings& settings);

// The same reads without creating the key: a missing key gives every field its default.
void ReadSettingsAt(const char* path, AdapterSettings& settings);

// The same reads for callers that must not take a failed read for stored data: false, with
// the value's name, when a value is stored but the adapter library did not read it (another
// process holding the library busy, say). The record is then incomplete.
bool ReadSettingsChecked(const char* path, AdapterSettings& settings, std::string& unreadValue);

// Whether the registry holds the value below the key, without reading it through the adapter
// library (which answers "absent" for a value it failed to read too).
bool StoredValuePresent(const char* path, const char* name);

#endif
