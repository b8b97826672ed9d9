// skylookctl: the adapter's status, a scan and the stored profiles from a console.
#ifndef SKYLOOK_CTL_SKYLOOK_CTL_H
#define SKYLOOK_CTL_SKYLOOK_CTL_H

#include <iosfwd>
#include <string>
#include <vector>

enum : int {
    ExitOk = 0,
    ExitFailed = 1,    // the request was understood but could not be done; status: not associated
    ExitUsage = 2,     // unknown command or bad arguments; nothing changed
    ExitNoCard = 3,    // no usable adapter
};

// Runs one command line (without the program's name), writing results to out and messages
// to err; returns the exit status.
int RunSkylookCtl(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Whether the command line runs a command that calls the adapter library (every command but
// the settings permission one).
bool NeedsAdapterLibrary(const std::vector<std::string>& arguments);

#endif
