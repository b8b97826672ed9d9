// The journal of calls that set or act: one text line per call, kept in shared memory as a
// ring of bytes from which the oldest whole lines give way to new ones.
#ifndef VEXA5200_JOURNAL_H
#define VEXA5200_JOURNAL_H

#include <cstdint>
#include <string>

namespace vexa {

// Room for well over 4096 lines of the lengths the calls produce (a few hundred bytes at most).
constexpr uint32_t JournalBytes = 4u * 1024u * 1024u;

struct JournalRing {
    uint32_t Start;  // offset of the oldest byte
    uint32_t Used;   // bytes held
    char Bytes[JournalBytes];
};

void JournalClear(JournalRing& ring);
// Appends one line; the terminating "\n" is added here.
void JournalAppend(JournalRing& ring, const std::string& line);
std::string JournalText(const JournalRing& ring);
// Puts the ring back into a consistent shape after a process died while writing it.
void JournalRepair(JournalRing& ring);

// Builds one journal line: name, then arguments separated by single spaces.
class JournalLine {
public:
    explicit JournalLine(const char* function);
    JournalLine& Number(unsigned long value);
    JournalLine& Hex(const void* bytes, unsigned long count);
    // Text up to its NUL, at most maxLength bytes; a null pointer reads as empty text.
    JournalLine& Text(const char* text, size_t maxLength = 4096);
    const std::string& Str() const { return line_; }

private:
    std::string line_;
};

}  // namespace vexa

#endif
