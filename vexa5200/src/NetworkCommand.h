// vexasim's "network" command: adding, changing and removing the simulated networks.
#ifndef VEXA5200_NETWORK_COMMAND_H
#define VEXA5200_NETWORK_COMMAND_H

#include "AdapterState.h"
#include "CommandWords.h"

namespace vexa {

bool NetworkCommand(AdapterState& s, const Words& w, std::string& error);

}  // namespace vexa

#endif
