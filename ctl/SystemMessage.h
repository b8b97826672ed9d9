// The system's own sentence for a Windows error code, for the tool's messages.
#ifndef SKYLOOK_CTL_SYSTEM_MESSAGE_H
#define SKYLOOK_CTL_SYSTEM_MESSAGE_H

#include <string>

// Without its line end and final full stop; "error N" when the system has no text for it.
std::string SystemMessage(long code);

#endif
