#include "ctl/ScriptFiles.h"

#include "ctl/SystemMessage.h"
#include "framework/Handles.h"

#include <windows.h>

#include <cctype>
#include <ostream>

namespace {

// Far more than thousands of profiles take (twice that in UTF-16); a larger file is not an
// export of this tool.
constexpr LONGLONG LargestScript = 8 * 1024 * 1024;

struct CFileHandle {
    HANDLE Handle;
    ~CFileHandle()
    {
        if (Handle != INVALID_HANDLE_VALUE)
            CloseHandle(Handle);
    }
};

// Whether text begins with the ASCII prefix, case aside.
bool StartsWith(const std::string& text, const char* prefix)
{
    size_t i = 0;
    for (; prefix[i] != '\0'; ++i) {
        if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(prefix[i]))
            return false;
    }
    return true;
}

// The path as the system resolves it: a DOS device name anywhere in a path becomes \\.\NAME
// ("Naming Files, Paths, and Namespaces" and GetFullPathName on Microsoft Learn).
std::string FullPath(const std::string& path)
{
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::string full(size, '\0');
    const DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    full.resize(length < size ? length : 0);
    return full.empty() ? path : full;
}

bool NamesDevice(const std::string& path)
{
    for (const std::string& form : {path, FullPath(path)}) {
        if (StartsWith(form, "\\\\.\\"))
            return true;
        // \\?\ passes the rest to the object manager unparsed: a drive's path or a share's is
        // a file, anything else (\\?\GLOBALROOT\Device\Null, \\?\COM1) may be a device.
        if (StartsWith(form, "\\\\?\\")) {
            const std::string rest = form.substr(4);
            const bool drive = rest.size() >= 3 && std::isalpha(static_cast<unsigned char>(rest[0])) &&
                               rest[1] == ':' && rest[2] == '\\';
            if (!drive && !StartsWith(rest, "UNC\\"))
                return true;
        }
    }
    return false;
}

}  // namespace

std::string WhyNotAPlainFile(const std::string& path)
{
    if (NamesDevice(path))
        return "is not a file but a device";
    // No access is asked for: the handle only tells what is there (a folder opens with
    // backup semantics). What cannot be opened is left to the read or write to report.
    CFileHandle opened{CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (opened.Handle == INVALID_HANDLE_VALUE)
        return "";
    if (GetFileType(opened.Handle) != FILE_TYPE_DISK)
        return "is not a file but a device";
    BY_HANDLE_FILE_INFORMATION information = {};
    if (GetFileInformationByHandle(opened.Handle, &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return "is a folder, not a file";
    return "";
}

bool ReadScriptFile(const std::string& path, std::string& text, std::ostream& err)
{
    const std::string notAFile = WhyNotAPlainFile(path);
    if (!notAFile.empty()) {
        err << "skylookctl: \"" << path << "\" " << notAFile << "; nothing was imported.\n";
        return false;
    }
    CFileHandle file{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.Handle == INVALID_HANDLE_VALUE) {
        err << "skylookctl: cannot open \"" << path << "\". Check the file name and that you may read it.\n";
        return false;
    }
    LARGE_INTEGER size = {};
    if (GetFileType(file.Handle) != FILE_TYPE_DISK || !GetFileSizeEx(file.Handle, &size)) {
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
        if (!ReadFile(file.Handle, text.data() + done, static_cast<DWORD>(text.size() - done), &read, nullptr) ||
            read == 0)
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
    const std::string notAFile = WhyNotAPlainFile(path);
    if (!notAFile.empty()) {
        err << "skylookctl: \"" << path << "\" " << notAFile << "; nothing was exported.\n";
        return false;
    }
    // The new file goes into the same folder, so that putting it in place is a rename on one
    // volume, which leaves either the old file or the new one.
    std::string folder = FullPath(path);
    folder.erase(folder.find_last_of('\\') == std::string::npos ? 0 : folder.find_last_of('\\') + 1);
    char temporary[MAX_PATH] = {};
    if (GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "sky", 0, temporary) == 0) {
        err << "skylookctl: cannot write \"" << path << "\" (" << SystemMessage(static_cast<long>(GetLastError()))
            << "). Check the folder exists and that you may write there.\n";
        return false;
    }
    DWORD failure = ERROR_SUCCESS;
    {
        CFileHandle file{CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                     nullptr)};
        size_t done = 0;
        while (file.Handle != INVALID_HANDLE_VALUE && done < text.size()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(text.size() - done);
            if (!WriteFile(file.Handle, text.data() + done, chunk, &written, nullptr) || written == 0)
                break;
            done += written;
        }
        // Flushed before the rename, so that the name never points at a file still partly in
        // the cache.
        if (file.Handle == INVALID_HANDLE_VALUE || done != text.size() || !FlushFileBuffers(file.Handle))
            failure = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
    }
    if (failure != ERROR_SUCCESS) {
        DeleteFileA(temporary);
        err << "skylookctl: cannot write \"" << path << "\" (" << SystemMessage(static_cast<long>(failure))
            << "); a file of that name is left as it was. Check the disk has room and try again.\n";
        return false;
    }
    if (!MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failure = GetLastError();
        DeleteFileA(temporary);
        err << "skylookctl: cannot replace \"" << path << "\" (" << SystemMessage(static_cast<long>(failure))
            << "); it is left as it was. Check that it is not read-only and that no program holds it open.\n";
        return false;
    }
    return true;
}
