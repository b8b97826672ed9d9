// vexasim: sets the scene of the software adapter from the command line. Everything it
// does goes through VexaSimCommand, so the tool and the tests share one parser.
#include "Vexa5200Control.h"

#include "CommandLineArguments.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

void Write(DWORD stream, const char* text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

}  // namespace

int main()
{
    const char* arguments = ArgumentsOf(GetCommandLineA());
    if (!*arguments) {
        std::vector<char> usage(4096);
        VexaSimCommand("help", usage.data(), static_cast<unsigned long>(usage.size()));
        Write(STD_ERROR_HANDLE, usage.data());
        return 2;
    }
    // Room for the whole journal and then some.
    std::vector<char> output(16u * 1024u * 1024u);
    int result = VexaSimCommand(arguments, output.data(), static_cast<unsigned long>(output.size()));
    if (result == 0) {
        Write(STD_OUTPUT_HANDLE, output.data());
    } else {
        Write(STD_ERROR_HANDLE, "vexasim: ");
        Write(STD_ERROR_HANDLE, output.data());
    }
    return result;
}
