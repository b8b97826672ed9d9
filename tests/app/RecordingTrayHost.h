// A tray host stand-in for the tray monitor: records tray calls, balloons and timer use, and
// reports a chosen OS version.
#ifndef SKYLOOK_TESTS_APP_RECORDING_TRAY_HOST_H
#define SKYLOOK_TESTS_APP_RECORDING_TRAY_HOST_H

#include "app/TrayMonitor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

struct TrayCall {
    DWORD action;
    int icon;
    std::string tooltip;
    bool operator==(const TrayCall& other) const
    {
        return action == other.action && icon == other.icon && tooltip == other.tooltip;
    }
};

using Calls = std::vector<TrayCall>;

inline std::ostream& operator<<(std::ostream& out, const TrayCall& call)
{
    const char* names[] = {"add", "modify", "delete"};
    std::string tip = call.tooltip;
    std::replace(tip.begin(), tip.end(), '\n', '|');
    std::replace(tip.begin(), tip.end(), '\r', '|');
    return out << (call.action < 3 ? names[call.action] : "?") << " " << call.icon << " \"" << tip << "\"";
}

// Stands in for the window: records tray calls and timer use, reports a chosen OS version.
class CRecordingHost : public ITrayHost {
public:
    Calls calls;
    int timerStarts = 0;
    int timerStops = 0;
    bool timerArmed = false;
    bool versionReadable = true;
    // Another session's copy holds the marker of the copy that manages the card.
    bool managedElsewhere = false;
    // Something that is not Skylook's marker has the marker's name.
    bool foreignHolder = false;
    DWORD major = 5;
    DWORD minor = 1;

    bool NotifyTray(DWORD action, int iconId, const char* tooltip) override
    {
        calls.push_back({action, iconId, tooltip});
        return true;
    }
    // "title | text" of each balloon.
    std::vector<std::string> balloons;
    bool ShowBalloon(const char* title, const char* text) override
    {
        balloons.push_back(std::string(title) + " | " + text);
        return true;
    }
    bool ReadOsVersion(OSVERSIONINFOA& version) override
    {
        EXPECT_EQ(148u, version.dwOSVersionInfoSize);
        version.dwMajorVersion = major;
        version.dwMinorVersion = minor;
        return versionReadable;
    }
    void StopTickTimer() override
    {
        ++timerStops;
        timerArmed = false;
    }
    void StartTickTimer() override
    {
        ++timerStarts;
        timerArmed = true;
    }
    MarkerVerdict ClaimAdapter() override
    {
        if (foreignHolder)
            return MarkerVerdict::ForeignHolder;
        return managedElsewhere ? MarkerVerdict::Watch : MarkerVerdict::Manage;
    }
};

#endif
