// The few things the tick does to the open configuration dialog. The tick reaches the
// dialog only through this, so the scheduling can run without one.
#ifndef SKYLOOK_STATE_CONFIG_DIALOG_LINK_H
#define SKYLOOK_STATE_CONFIG_DIALOG_LINK_H

class IConfigDialogLink {
public:
    virtual ~IConfigDialogLink() = default;

    // Whether the dialog's modal run is in progress.
    virtual bool IsOpen() const = 0;
    // Open, and in view: neither hidden nor minimised.
    virtual bool IsShown() const = 0;
    // Ends the modal run and closes the windows that the dialog owns.
    virtual void Close() = 0;
    // The page selectors and the Link Info buttons that stay disabled while an apply settles.
    virtual void EnableBusySet(bool enable) = 0;
    // The radio button's caption and the buttons that need the radio.
    virtual void SwitchRadioSet(bool radioOn) = 0;
    // Refills the Site Survey page's network and profile lists.
    virtual void RefreshSiteSurvey() = 0;
    // The stored default settings were changed outside the dialog (the companion's `use`, a
    // switch to another profile): the shown page reads them again, as it does when shown, so
    // that its next Apply does not lay what it showed over the new network's settings.
    virtual void StoredDefaultsChanged() = 0;
    // Whether the dialog may change the card or the stored settings. A copy that another
    // session's copy keeps from managing the card shows the pages but refuses every change;
    // told again when this copy takes the card over.
    virtual void AllowChanges(bool allow) = 0;
};

#endif
