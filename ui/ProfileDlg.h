// The Profile dialog: one settings record edited together with a profile name, to add a
// profile, edit one, or connect to a network of the scan. It stores nothing itself; the
// owner takes EditSettings and ProfileName after OK.
#ifndef SKYLOOK_UI_PROFILE_DLG_H
#define SKYLOOK_UI_PROFILE_DLG_H

#include "framework/Dialog.h"
#include "settings/AdapterSettings.h"

#include <cstdint>

enum ProfileDlgMode : int32_t {
    ProfileModeAdd = 0,
    ProfileModeEdit = 2,
    ProfileModeConnect = 3,
};

class CProfileDlg : public CDialog {
public:
    CProfileDlg();
    ~CProfileDlg() override;

    AdapterSettings EditSettings = {};
    int32_t Mode = ProfileModeAdd;
    char ProfileName[36] = {};
};

#endif
