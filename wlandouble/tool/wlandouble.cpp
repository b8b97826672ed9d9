// wlandouble: runs one command of the Native Wifi double's control from the command line.
// The double beside this tool is loaded by its full path: the system's own wlanapi.dll
// (Wine's, unless a run asks for the double) has no control.
#include "WlanDoubleControl.h"

#include "CommandLineArguments.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void Write(DWORD stream, const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string DoubleBesideThisTool()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    const size_t slash = folder.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : folder.substr(0, slash + 1)) + "wlanapi.dll";
}

}  // namespace

int main()
{
    const std::string path = DoubleBesideThisTool();
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    const auto command = module ? reinterpret_cast<WlanDoubleCommandFunction>(
                                      reinterpret_cast<void*>(GetProcAddress(module, "WlanDoubleCommand")))
                                : nullptr;
    if (!command) {
        Write(STD_ERROR_HANDLE, "wlandouble: the Native Wifi double " + path + " cannot be loaded\n");
        return 1;
    }
    const char* arguments = ArgumentsOf(GetCommandLineA());
    std::vector<char> output(1024u * 1024u);
    const int result = command(*arguments ? arguments : "help", output.data(), static_cast<unsigned long>(output.size()));
    if (result == 0 && *arguments)
        Write(STD_OUTPUT_HANDLE, output.data());
    else
        Write(STD_ERROR_HANDLE, std::string(*arguments ? "wlandouble: " : "") + output.data());
    return *arguments ? result : 2;
}
