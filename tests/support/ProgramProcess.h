// skylook.exe started as a process from the tests' own folder, for tests about processes.
#ifndef SKYLOOK_TESTS_PROGRAM_PROCESS_H
#define SKYLOOK_TESTS_PROGRAM_PROCESS_H

#include "ChildProcess.h"

// The build's own program.
class Program : public CChildProcess {
public:
    Program() : CChildProcess(BuildProgramCommand("skylook.exe")) {}
};

#endif
