#include "ctl/SkylookCtl.h"

#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // The library is loaded on first use; without it the first call would end the process.
    if (NeedsAdapterLibrary(arguments) && !::LoadLibraryA("Vexa5200.dll")) {
        std::cerr << "skylookctl: the adapter's library Vexa5200.dll was not found beside skylookctl.exe.\n"
                     "Install the card's driver, or the software adapter with the Skylook setup program.\n";
        return ExitNoCard;
    }
    const int status = RunSkylookCtl(arguments, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
