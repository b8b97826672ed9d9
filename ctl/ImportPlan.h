// What an import would write, worked out and checked in full before anything is written.
#ifndef SKYLOOK_CTL_IMPORT_PLAN_H
#define SKYLOOK_CTL_IMPORT_PLAN_H

#include "ctl/RegistryScript.h"

#include <string>
#include <vector>

// The sections of a script as the store knows them.
struct ImportTarget {
    bool Defaults = false;
    std::string Profile;  // when not Defaults
    const ScriptKey* Key = nullptr;
};

// The registry path of the default settings and of one profile, as a script names them.
std::string DefaultSettingsScriptPath();
std::string ProfileScriptPath(const std::string& name);

// Maps every key of the script to the default settings or a profile and checks every value
// against what the store's loader takes. False with the line and a sentence for the first
// problem: a key that is neither, a profile name the store cannot hold, a profile or value
// given twice, default settings without allowDefaults, an unknown value, a text too long for
// its field, a channel that is not decimal text or a rate code not in the rate table. Every
// value the loader takes is taken, so that what the program stored can be restored. The
// profile root itself may appear without values. A section without values would empty what
// is stored (a file exported before anything was stored, a section cut short): it goes to
// leftAlone instead of targets, and nothing is written or deleted for it.
bool PlanImport(const std::vector<ScriptKey>& keys, bool allowDefaults, std::vector<ImportTarget>& targets,
                std::vector<ImportTarget>& leftAlone, ScriptError& error);

#endif
