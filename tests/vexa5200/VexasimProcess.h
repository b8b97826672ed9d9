// Runs vexasim.exe (next to the test executable) as a separate process.
#ifndef VEXA5200_TEST_VEXASIM_PROCESS_H
#define VEXA5200_TEST_VEXASIM_PROCESS_H

#include <string>

struct VexasimRun {
    int ExitCode = -1;
    std::string Output;  // standard output
    std::string Errors;  // standard error
};

// arguments: the command line after the program name, quoted as on a Windows command line.
VexasimRun RunVexasim(const std::string& arguments);

#endif
