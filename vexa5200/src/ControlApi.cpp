// The control interface (Vexa5200Control.h): sets the scene for tests, demonstrations and vexasim.
#include "Vexa5200Control.h"

#include "Commands.h"
#include "DriverKey.h"
#include "Environment.h"
#include "Link.h"
#include "SceneControl.h"
#include "SharedAdapter.h"
#include "StatusText.h"

#include <cstring>
#include <memory>

using namespace vexa;

namespace {

constexpr int Ok = 0;
constexpr int Refused = 1;
constexpr int BadCommand = 2;

void CopyOut(const std::string& text, char* out, unsigned long size)
{
    if (!out || size == 0)
        return;
    size_t count = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), count);
    out[count] = 0;
}

// Runs an edit on the shared record; a refused edit changes nothing.
template <class Edit>
int Control(Edit edit)
{
    AdapterLock lock;
    if (!lock.Ok())
        return Refused;
    std::string error;
    if (!edit(lock.State(), lock.Now(), error))
        return Refused;
    AdvanceLink(lock.State(), lock.Now());
    return Ok;
}

}  // namespace

extern "C" {

VEXA5200_API int VexaSimReset(void)
{
    {
        AdapterLock lock;
        if (!lock.Ok())
            return Refused;
        ResetAdapter(lock.State(), lock.Now());
        JournalClear(lock.Journal());
    }
    EnsureDriverKey();
    return Ok;
}

VEXA5200_API int VexaSimCommand(const char* commandLine, char* output, unsigned long outputSize)
{
    CopyOut("", output, outputSize);
    std::vector<std::string> words = SplitCommandLine(commandLine);
    AdapterLock lock;
    if (!lock.Ok()) {
        CopyOut(lock.TimedOut() ? "another process holds the software adapter's lock; try again later\n"
                                : "the software adapter's shared state cannot be set up\n",
                output, outputSize);
        return Refused;
    }
    // Work on a copy, so that a command refused half way leaves the adapter as it was.
    auto copy = std::make_unique<AdapterState>(lock.State());
    CommandEffects effects;
    std::string error;
    if (!RunCommand(*copy, words, lock.Now(), effects, error)) {
        CopyOut(error + "\n", output, outputSize);
        return BadCommand;
    }
    lock.State() = *copy;
    std::string text = effects.Output;
    if (effects.PrintJournal)
        text = JournalText(lock.Journal());
    if (effects.ClearJournal)
        JournalClear(lock.Journal());
    CopyOut(text, output, outputSize);
    return Ok;
}

VEXA5200_API int VexaSimLoadScenario(const char* text, char* error, unsigned long errorSize)
{
    CopyOut("", error, errorSize);
    AdapterLock lock;
    if (!lock.Ok() || !text)
        return Refused;
    auto copy = std::make_unique<AdapterState>(lock.State());
    std::string message;
    if (!RunScenario(*copy, text, lock.Now(), message)) {
        CopyOut(message, error, errorSize);
        return BadCommand;
    }
    lock.State() = *copy;
    return Ok;
}

VEXA5200_API int VexaSimSetCardPresent(int present)
{
    if (present != 0 && present != 1)
        return Refused;
    return Control([&](AdapterState& s, uint64_t, std::string&) {
        SetCardPresent(s, present == 1);
        return true;
    });
}

VEXA5200_API int VexaSimSetHardwareRadio(int on)
{
    if (on != 0 && on != 1)
        return Refused;
    return Control([&](AdapterState& s, uint64_t, std::string&) {
        SetHardwareRadio(s, on == 1);
        return true;
    });
}

VEXA5200_API int VexaSimSetTrafficRate(unsigned long fragmentsPerSecond)
{
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return SetTrafficRate(s, fragmentsPerSecond, e); });
}

VEXA5200_API int VexaSimSetRegionCode(unsigned long region)
{
    return Control([&](AdapterState& s, uint64_t, std::string&) {
        s.RegionCode = region;
        return true;
    });
}

VEXA5200_API int VexaSimSetJoinDelay(unsigned long milliseconds)
{
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return SetJoinDelay(s, milliseconds, e); });
}

VEXA5200_API int VexaSimSetLockWait(unsigned long milliseconds)
{
    vexa::SetLockWait(milliseconds);
    return 0;
}

VEXA5200_API int VexaSimAddNetwork(const VexaSimNetwork* network)
{
    if (!network)
        return Refused;
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return AddNetwork(s, *network, e); });
}

VEXA5200_API int VexaSimUpdateNetwork(const VexaSimNetwork* network)
{
    if (!network)
        return Refused;
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return UpdateNetwork(s, *network, e); });
}

VEXA5200_API int VexaSimRemoveNetwork(const char* ssid)
{
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return RemoveNetworks(s, ssid, e); });
}

VEXA5200_API int VexaSimSetNetworkRssi(const char* ssid, int rssiDbm)
{
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return SetNetworkRssi(s, ssid, rssiDbm, e); });
}

VEXA5200_API int VexaSimRemoveAllNetworks(void)
{
    return Control([](AdapterState& s, uint64_t, std::string&) {
        s.NetworkCount = 0;
        return true;
    });
}

VEXA5200_API int VexaSimSetFailure(const char* function, int on)
{
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return SetFailure(s, function, on != 0, e); });
}

VEXA5200_API int VexaSimClearFailures(void)
{
    return Control([](AdapterState& s, uint64_t, std::string&) {
        s.Failures = 0;
        return true;
    });
}

VEXA5200_API int VexaSimInjectScanAnswer(const void* bytes, unsigned long size)
{
    return Control([&](AdapterState& s, uint64_t, std::string& e) { return InjectScanAnswer(s, bytes, size, e); });
}

VEXA5200_API int VexaSimReadJournal(char* text, unsigned long size, unsigned long* needed)
{
    AdapterLock lock;
    if (!lock.Ok())
        return Refused;
    std::string journal = JournalText(lock.Journal());
    if (needed)
        *needed = static_cast<unsigned long>(journal.size() + 1);
    CopyOut(journal, text, size);
    return Ok;
}

VEXA5200_API int VexaSimClearJournal(void)
{
    AdapterLock lock;
    if (!lock.Ok())
        return Refused;
    JournalClear(lock.Journal());
    return Ok;
}

VEXA5200_API int VexaSimFormatStatus(char* text, unsigned long size)
{
    AdapterLock lock;
    if (!lock.Ok() || !text || size == 0)
        return Refused;
    CopyOut(FormatStatus(lock.State(), lock.Now()), text, size);
    return Ok;
}

}  // extern "C"
