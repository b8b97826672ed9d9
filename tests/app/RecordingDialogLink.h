// A configuration dialog stand-in that records what the program asks of it, in order. Whether
// it is open is its own state, as the real dialog's is.
#ifndef SKYLOOK_TESTS_APP_RECORDING_DIALOG_LINK_H
#define SKYLOOK_TESTS_APP_RECORDING_DIALOG_LINK_H

#include "state/ConfigDialogLink.h"

#include <algorithm>
#include <string>
#include <vector>

class CRecordingDialogLink : public IConfigDialogLink {
public:
    bool open = false;
    // In view while open, unless a test hides it.
    bool hidden = false;
    std::vector<std::string> calls;

    bool IsOpen() const override { return open; }
    bool IsShown() const override { return open && !hidden; }
    void Close() override
    {
        calls.push_back("close");
        open = false;
    }
    void EnableBusySet(bool enable) override { calls.push_back(enable ? "busy on" : "busy off"); }
    void SwitchRadioSet(bool radioOn) override { calls.push_back(radioOn ? "radio on" : "radio off"); }
    void RefreshSiteSurvey() override { calls.push_back("survey"); }
    void StoredDefaultsChanged() override { calls.push_back("defaults changed"); }
    void AllowChanges(bool allow) override { calls.push_back(allow ? "changes allowed" : "changes refused"); }

    // The calls since the last look.
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }
    int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
};

#endif
