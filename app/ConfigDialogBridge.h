// The tick's way to the configuration dialog of the process.
#ifndef SKYLOOK_CONFIG_DIALOG_BRIDGE_H
#define SKYLOOK_CONFIG_DIALOG_BRIDGE_H

#include "state/ConfigDialogLink.h"

class CConfigDialogBridge : public IConfigDialogLink {
public:
    bool IsOpen() const override;
    bool IsShown() const override;
    void Close() override;
    void EnableBusySet(bool enable) override;
    void SwitchRadioSet(bool radioOn) override;
    void RefreshSiteSurvey() override;
    void StoredDefaultsChanged() override;
    void AllowChanges(bool allow) override;
};

#endif
