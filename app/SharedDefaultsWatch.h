// The default settings are the PC's, and while another session's copy manages the card it is
// that copy (and its user's skylookctl) that stores them. A copy that only watches notices when
// they change, so that its open dialog shows them as they are: its next Apply, once it manages
// the card, starts from what the page shows.
#ifndef SKYLOOK_SHARED_DEFAULTS_WATCH_H
#define SKYLOOK_SHARED_DEFAULTS_WATCH_H

#include "record/AdapterSettings.h"
#include "state/ConfigDialogLink.h"

class CSharedDefaultsWatch {
public:
    // Once a tick while this copy watches: reads the stored defaults and, when they differ
    // from the last ones read, has an open dialog reload its shown page. The first read only
    // sets what later ones are compared with.
    void Step(IConfigDialogLink& dialog);

private:
    bool m_read = false;
    AdapterSettings m_last{};
};

#endif
