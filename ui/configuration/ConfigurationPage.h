#ifndef SKYLOOK_UI_CONFIGURATION_PAGE_H
#define SKYLOOK_UI_CONFIGURATION_PAGE_H

#include "ui/common/WhiteBackground.h"
#include "ui/frame/PageBase.h"
#include "ui/common/SettingsLists.h"

#include "controls/SkinButton.h"
#include "framework/Gdi.h"
#include "framework/StandardControls.h"

// The network half of the default settings: network name, type, channel (by the adapter's
// region), transmit rate, preamble and power mode.
class CConfigPage : public CWhiteBackground<CPageBase> {
public:
    CConfigPage();

    // Shows the stored default settings; called every time the page is shown and by Cancel.
    void LoadSettings();
    // Stores the page's values with the stored security settings and asks for an apply;
    // false when the input was refused (nothing stored).
    bool ApplySettings();

    void OnShowing() override { LoadSettings(); }
    std::span<const int> RadioControls() const override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    CComboBoxView List(int id) const;
    // The channel only matters to an ad-hoc network, which the adapter starts itself.
    void EnableChannelList();

    CSkinButton m_apply;
    CSkinButton m_cancel;
    ChannelRange m_channels = DefaultChannelRange;
};

#endif
