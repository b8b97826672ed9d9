#include "Journal.h"

#include <algorithm>
#include <cstring>

namespace vexa {

void JournalClear(JournalRing& ring)
{
    ring.Start = 0;
    ring.Used = 0;
}

void JournalRepair(JournalRing& ring)
{
    if (ring.Start >= JournalBytes || ring.Used > JournalBytes)
        JournalClear(ring);
}

static void DropOldestLine(JournalRing& ring)
{
    uint32_t dropped = 0;
    while (dropped < ring.Used) {
        char c = ring.Bytes[(ring.Start + dropped) % JournalBytes];
        ++dropped;
        if (c == '\n')
            break;
    }
    ring.Start = (ring.Start + dropped) % JournalBytes;
    ring.Used -= dropped;
}

void JournalAppend(JournalRing& ring, const std::string& line)
{
    std::string text = line;
    text.push_back('\n');
    if (text.size() > JournalBytes)
        text.erase(0, text.size() - JournalBytes);
    uint32_t length = static_cast<uint32_t>(text.size());
    while (ring.Used + length > JournalBytes)
        DropOldestLine(ring);
    uint32_t end = (ring.Start + ring.Used) % JournalBytes;
    uint32_t first = std::min(length, JournalBytes - end);
    std::memcpy(ring.Bytes + end, text.data(), first);
    std::memcpy(ring.Bytes, text.data() + first, length - first);
    ring.Used += length;
}

std::string JournalText(const JournalRing& ring)
{
    std::string text;
    text.reserve(ring.Used);
    uint32_t first = std::min(ring.Used, JournalBytes - ring.Start);
    text.append(ring.Bytes + ring.Start, first);
    text.append(ring.Bytes, ring.Used - first);
    return text;
}

JournalLine::JournalLine(const char* function) : line_(function) {}

JournalLine& JournalLine::Number(unsigned long value)
{
    line_ += ' ';
    line_ += std::to_string(value);
    return *this;
}

JournalLine& JournalLine::Hex(const void* bytes, unsigned long count)
{
    static const char digits[] = "0123456789ABCDEF";
    line_ += ' ';
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (unsigned long i = 0; p && i < count; ++i) {
        line_ += digits[p[i] >> 4];
        line_ += digits[p[i] & 15];
    }
    return *this;
}

JournalLine& JournalLine::Text(const char* text, size_t maxLength)
{
    line_ += " \"";
    for (size_t i = 0; text && i < maxLength && text[i]; ++i) {
        if (text[i] == '"' || text[i] == '\\')
            line_ += '\\';
        line_ += text[i];
    }
    line_ += '"';
    return *this;
}

}  // namespace vexa
