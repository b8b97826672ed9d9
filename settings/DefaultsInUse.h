// The default settings this run of the program uses. Normally the stored ones; when the
// registry refuses a save of the default settings (a user who may not write it), the record
// that could not be stored is kept until a later save succeeds or the program ends. So what
// the user applied is what the pages show, what the next Apply starts from and what the
// automatic applies and the switch to a profile push, as the warning box promises.
#ifndef SKYLOOK_SETTINGS_DEFAULTS_IN_USE_H
#define SKYLOOK_SETTINGS_DEFAULTS_IN_USE_H

#include "record/AdapterSettings.h"

#include <string>

// The record kept since a failed save, else a cleared record filled with the stored defaults.
// When the stored defaults changed since the record was kept, another program stored them:
// the kept record is dropped and the stored ones are in use again.
AdapterSettings DefaultSettingsInUse();

// What SaveDefaultSettings reports of each save: a record the store did not take is kept, a
// save that succeeded makes the stored defaults the ones in use again.
void NoteDefaultSettingsSave(const AdapterSettings& settings, bool stored);
// The stored defaults are the ones in use again (a fresh start of the program's state).
void ForgetUnstoredDefaultSettings();
// Once a tick: a kept record whose defaults another program has stored since gives way at
// once, so that the notice below stops calling the network unstored. Reads the store only
// while a record is kept.
void RecheckKeptDefaultSettings();

// The running program tells the other programs of the session (skylookctl status) which
// network its kept record names, for as long as it runs: the notice goes with the process,
// so it never outlives the record. False when the notice could not be created.
bool PublishDefaultSettingsInUse();
// From another process: true, with the network, while a running program keeps default
// settings that could not be stored; false when none does (its defaults are the stored ones).
bool ReadPublishedUnstoredNetwork(std::string& ssid);

#endif
