#ifndef SKYLOOK_UI_PSK_PAGE_H
#define SKYLOOK_UI_PSK_PAGE_H

#include "ui/common/WhiteBackground.h"
#include "controls/GroupFrame.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

#include <string>

// The WPA pre-shared passphrase typed twice, masked until "Unmask" is checked. A child of
// the editor that owns it (the Encryption page, the Profile dialog), which loads both fields
// and checks them on its own Apply; the page keeps no copy of the passphrase.
class CPskPage : public CWhiteBackground<CDialog> {
public:
    CPskPage();

    // Both fields show the passphrase.
    void SetPassphrase(const std::string& passphrase);
    std::string Passphrase() const;
    std::string Confirmation() const;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnButtonClicked(WORD id) override;

private:
    void ShowFieldsInClear(bool clear);

    CGroupFrame m_group;
};

#endif
