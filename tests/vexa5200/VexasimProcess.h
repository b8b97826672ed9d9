// Runs vexasim.exe (next to the test executable) as a separate process.
#ifndef VEXA5200_TEST_VEXASIM_PROCESS_H
#define VEXA5200_TEST_VEXASIM_PROCESS_H

#include "ChildProcess.h"

#include <string>

// arguments: the command line after the program name, quoted as on a Windows command line.
inline ProcessRun RunVexasim(const std::string& arguments)
{
    return RunProcess(BuildProgramCommand("vexasim.exe", arguments));
}

#endif
