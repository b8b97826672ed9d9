#include "Scene.h"

#include "Commands.h"
#include "Environment.h"
#include "Journal.h"
#include "SharedAdapter.h"

#include <cstring>
#include <memory>

namespace wdouble {

bool ReadScene(Scene& scene)
{
    vexa::AdapterLock lock;
    scene.Read = lock.Ok();
    if (!scene.Read)
        return false;
    const vexa::AdapterState& s = lock.State();
    scene.CardPresent = s.CardPresent;
    scene.HardwareRadio = s.HardwareRadio;
    scene.TrafficRate = s.TrafficRate;
    scene.NetworkCount = s.NetworkCount < 0 ? 0 : (s.NetworkCount > MaxSceneNetworks ? MaxSceneNetworks : s.NetworkCount);
    std::memcpy(scene.Networks, s.Networks, sizeof(VexaSimNetwork) * static_cast<size_t>(scene.NetworkCount));
    return true;
}

bool RunSceneCommand(const std::string& line, std::string& output)
{
    vexa::AdapterLock lock;
    if (!lock.Ok()) {
        output = "the software adapter's shared state cannot be had\n";
        return false;
    }
    // On a copy, so that a command refused half way changes nothing.
    auto copy = std::make_unique<vexa::AdapterState>(lock.State());
    vexa::CommandEffects effects;
    std::string error;
    if (!vexa::RunCommand(*copy, vexa::SplitCommandLine(line.c_str()), lock.Now(), effects, error)) {
        output = "scene: " + error + "\n";
        return false;
    }
    lock.State() = *copy;
    output = effects.PrintJournal ? vexa::JournalText(lock.Journal()) : effects.Output;
    if (effects.ClearJournal)
        vexa::JournalClear(lock.Journal());
    return true;
}

bool ResetScene()
{
    vexa::AdapterLock lock;
    if (!lock.Ok())
        return false;
    vexa::ResetAdapter(lock.State(), lock.Now());
    vexa::JournalClear(lock.Journal());
    return true;
}

int FindJoinable(const Scene& scene, const unsigned char* ssid, int ssidLength, bool ibss)
{
    int best = -1;
    for (int i = 0; i < scene.NetworkCount; ++i) {
        const VexaSimNetwork& n = scene.Networks[i];
        const int length = static_cast<int>(strnlen(n.Ssid, 32));
        if (length != ssidLength || std::memcmp(n.Ssid, ssid, static_cast<size_t>(length)) != 0)
            continue;
        if ((n.Infrastructure == 0) != ibss || n.RssiDbm < JoinableDbm)
            continue;
        if (best < 0 || n.RssiDbm > scene.Networks[best].RssiDbm)
            best = i;
    }
    return best;
}

unsigned long SignalQuality(int dbm)
{
    if (dbm <= -100)
        return 0;
    if (dbm >= -50)
        return 100;
    return static_cast<unsigned long>((dbm + 100) * 2);
}

}  // namespace wdouble
