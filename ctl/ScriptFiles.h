// Reading and writing the script files of export and import, with messages a user can act on.
#ifndef SKYLOOK_CTL_SCRIPT_FILES_H
#define SKYLOOK_CTL_SCRIPT_FILES_H

#include <iosfwd>
#include <string>

// Why the path cannot be a script file, in words ("is not a file but a device"), or "" when
// it names a file on disk or a place where one can be made. Device names (COM1, NUL, CON,
// LPT1, with any extension or folder) and paths into the device namespaces (those that begin
// \\.\ and those that begin \\?\ but name no drive or share) are refused by their name,
// never opened: opening a port may wait on it. Anything else that exists is looked at
// through a handle.
std::string WhyNotAPlainFile(const std::string& path);

// The file's bytes; false, after a message on err, when it cannot be read or is too large
// to be an export.
bool ReadScriptFile(const std::string& path, std::string& text, std::ostream& err);
// Writes a new file beside the path and puts it in the path's place only when it is whole,
// so that a failed write leaves the file that was there; false after a message on err.
bool WriteScriptFile(const std::string& path, const std::string& text, std::ostream& err);

#endif
