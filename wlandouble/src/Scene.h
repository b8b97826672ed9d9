// The double's world: the software adapter's scene (its networks, the card, the hardware
// radio switch, the traffic), read from the software adapter's shared state.
#ifndef WLANDOUBLE_SCENE_H
#define WLANDOUBLE_SCENE_H

#include <Vexa5200Control.h>

#include <string>

namespace wdouble {

constexpr int MaxSceneNetworks = 64;
constexpr int HeardDbm = -100;     // below this a scan does not hear a network
constexpr int JoinableDbm = -95;   // below this a link can be neither made nor held

struct Scene {
    bool Read = false;  // false: the software adapter's state could not be had
    int CardPresent = 0;
    int HardwareRadio = 0;
    unsigned long TrafficRate = 0;
    int NetworkCount = 0;
    VexaSimNetwork Networks[MaxSceneNetworks];
};

bool ReadScene(Scene& scene);
// Runs one vexasim command line on the software adapter's scene ("network add ...").
bool RunSceneCommand(const std::string& line, std::string& output);
// The scene back to the software adapter's default.
bool ResetScene();

// The strongest network of that SSID and BSS type that the double's card can join, or -1.
int FindJoinable(const Scene& scene, const unsigned char* ssid, int ssidLength, bool ibss);
// Signal quality 0-100 from dBm, linear from -100 to -50 (WLAN_ASSOCIATION_ATTRIBUTES).
unsigned long SignalQuality(int dbm);

}  // namespace wdouble

#endif
