// The control interface of the double (WlanDoubleControl.h).
#include "WlanDoubleControl.h"

#include "Control.h"
#include "Events.h"
#include "Memory.h"
#include "SharedDouble.h"

#include <cstring>

namespace {

void CopyOut(const std::string& text, char* out, unsigned long size)
{
    if (!out || size == 0)
        return;
    const size_t count = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(out, text.data(), count);
    out[count] = 0;
}

}  // namespace

extern "C" {

int __stdcall WlanDoubleReset(void)
{
    std::string ignored;
    return wdouble::RunControl("reset", ignored);
}

int __stdcall WlanDoubleCommand(const char* commandLine, char* output, unsigned long outputSize)
{
    std::string text;
    const int result = wdouble::RunControl(commandLine ? commandLine : "", text);
    CopyOut(text, output, outputSize);
    return result;
}

int __stdcall WlanDoubleReadJournal(char* text, unsigned long size, unsigned long* needed)
{
    wdouble::DoubleLock lock;
    if (!lock.Ok())
        return 1;
    const std::string journal = wdouble::JournalText(lock.State());
    if (needed)
        *needed = static_cast<unsigned long>(journal.size() + 1);
    CopyOut(journal, text, size);
    return 0;
}

int __stdcall WlanDoubleClearJournal(void)
{
    wdouble::DoubleLock lock;
    if (!lock.Ok())
        return 1;
    wdouble::ClearJournal(lock.State());
    return 0;
}

long __stdcall WlanDoubleOutstandingAllocations(void)
{
    return wdouble::Outstanding();
}

}  // extern "C"
