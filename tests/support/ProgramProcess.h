// skylook.exe started as a process from the tests' own folder, for tests about processes.
#ifndef SKYLOOK_TESTS_PROGRAM_PROCESS_H
#define SKYLOOK_TESTS_PROGRAM_PROCESS_H

#include "ChildProcess.h"

#include <string>

// The build's own program.
class Program : public CChildProcess {
public:
    Program() : CChildProcess(CommandLine()) {}

private:
    // Built in steps: GCC 12 warns falsely about a literal prepended to a temporary string.
    static std::string CommandLine()
    {
        std::string command(1, '"');
        command += BuildProgramFolder();
        command += "skylook.exe\"";
        return command;
    }
};

#endif
