// Reading and writing the script files of export and import, with messages a user can act on.
#ifndef SKYLOOK_CTL_SCRIPT_FILES_H
#define SKYLOOK_CTL_SCRIPT_FILES_H

#include <iosfwd>
#include <string>

// The file's bytes; false, after a message on err, when it cannot be read or is too large
// to be an export.
bool ReadScriptFile(const std::string& path, std::string& text, std::ostream& err);
bool WriteScriptFile(const std::string& path, const std::string& text, std::ostream& err);

#endif
