// The system's own sentence for a Windows error code, for the tool's messages.
#ifndef SKYLOOK_CTL_SYSTEM_MESSAGE_H
#define SKYLOOK_CTL_SYSTEM_MESSAGE_H

#include <string>

// In the user's language, or in English where the code page cannot spell that language;
// without its line end and final full stop; "error N" when the system has no text for it.
std::string SystemMessage(long code);

#endif
