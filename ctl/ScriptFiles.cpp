#include "ctl/ScriptFiles.h"

#include <fstream>
#include <ostream>
#include <sstream>

namespace {
// Far more than 64 profiles take; a larger file is not an export of this tool.
constexpr std::streamoff LargestScript = 4 * 1024 * 1024;
}  // namespace

bool ReadScriptFile(const std::string& path, std::string& text, std::ostream& err)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "skylookctl: cannot open \"" << path << "\". Check the file name and that you may read it.\n";
        return false;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size > LargestScript) {
        err << "skylookctl: \"" << path << "\" is too large to be a profile export; nothing was imported.\n";
        return false;
    }
    file.seekg(0, std::ios::beg);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return true;
}

bool WriteScriptFile(const std::string& path, const std::string& text, std::ostream& err)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (file)
        file.close();
    if (!file) {
        err << "skylookctl: cannot write \"" << path << "\". Check the folder exists and that you may write there.\n";
        return false;
    }
    return true;
}
