#include "ctl/SkylookCtl.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = RunSkylookCtl(arguments, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
