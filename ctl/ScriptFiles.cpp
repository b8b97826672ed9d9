#include "ctl/ScriptFiles.h"

#include <windows.h>

#include <fstream>
#include <ostream>

namespace {
// Far more than thousands of profiles take; a larger file is not an export of this tool.
constexpr std::streamoff LargestScript = 4 * 1024 * 1024;
}  // namespace

bool ReadScriptFile(const std::string& path, std::string& text, std::ostream& err)
{
    // Only a file on disk is read: a device (COM1, CON, a pipe) would have the read wait on it
    // for ever.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        err << "skylookctl: cannot open \"" << path << "\". Check the file name and that you may read it.\n";
        return false;
    }
    struct Closer {
        HANDLE Handle;
        ~Closer() { CloseHandle(Handle); }
    } closer{file};
    LARGE_INTEGER size = {};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        err << "skylookctl: \"" << path << "\" is not a file but a device; nothing was imported.\n";
        return false;
    }
    if (size.QuadPart > LargestScript) {
        err << "skylookctl: \"" << path << "\" is too large to be a profile export; nothing was imported.\n";
        return false;
    }
    text.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < text.size()) {
        DWORD read = 0;
        if (!ReadFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &read, nullptr) || read == 0)
            break;
        done += read;
    }
    if (done != text.size()) {
        err << "skylookctl: cannot read \"" << path << "\" to its end. Check the file and try again.\n";
        return false;
    }
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
