// Text from outside (network names heard over the air, names stored by other tools) made
// safe to show: bytes that would not print (control characters) are written as \xNN, so
// that they neither garble a list row or a console table nor hide themselves.
#ifndef SKYLOOK_RECORD_PRINTABLE_TEXT_H
#define SKYLOOK_RECORD_PRINTABLE_TEXT_H

#include <cstdio>
#include <string>

inline bool IsControlByte(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

inline std::string EscapeControlBytes(const std::string& text)
{
    std::string shown;
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (IsControlByte(byte)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        } else {
            shown += c;
        }
    }
    return shown;
}

// The text as EscapeControlBytes writes it, in at most room characters: a longer one is cut
// between escapes, never inside one, and ends in "..." so that the cut shows.
inline std::string EscapeControlBytesWithin(const std::string& text, size_t room)
{
    std::string shown = EscapeControlBytes(text);
    if (shown.size() <= room)
        return shown;
    const std::string ellipsis = "...";
    if (room <= ellipsis.size())
        return ellipsis.substr(0, room);
    shown.clear();
    for (const char c : text) {
        const std::string unit = EscapeControlBytes(std::string(1, c));
        if (shown.size() + unit.size() > room - ellipsis.size())
            break;
        shown += unit;
    }
    return shown + ellipsis;
}

#endif
