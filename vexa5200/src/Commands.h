// The vexasim command language, shared by the tool, VexaSimCommand and scenario files.
#ifndef VEXA5200_COMMANDS_H
#define VEXA5200_COMMANDS_H

#include "AdapterState.h"

#include <string>
#include <vector>

namespace vexa {

// Splits a command line as Windows programs do: blanks separate words, double quotes group
// them, a backslash escapes a quote (and backslashes only before a quote).
std::vector<std::string> SplitCommandLine(const char* line);

// What a command asks of the parts that are not in the adapter record.
struct CommandEffects {
    bool PrintJournal = false;
    bool ClearJournal = false;
    std::string Output;
};

// Runs one command on s (work on a copy and keep it only on success: a refused command
// may have changed it part way). On failure, error holds the message.
bool RunCommand(AdapterState& s, const std::vector<std::string>& words, uint64_t now, CommandEffects& effects,
                std::string& error);

// A scenario: the default scene, then one command per line; '#' starts a comment line.
// On failure, error names the line.
bool RunScenario(AdapterState& s, const std::string& text, uint64_t now, std::string& error);

std::string UsageText();

}  // namespace vexa

#endif
