#include "SharedDefaultsWatch.h"

#include "settings/DefaultSettings.h"

#include <cstring>

void CSharedDefaultsWatch::Step(IConfigDialogLink& dialog)
{
    // Cleared byte by byte before the load, so that two loads of the same values compare
    // equal, padding included.
    AdapterSettings stored;
    std::memset(&stored, 0, sizeof stored);
    LoadDefaultSettings(stored);
    const bool changed = m_read && std::memcmp(&stored, &m_last, sizeof stored) != 0;
    std::memcpy(&m_last, &stored, sizeof stored);
    m_read = true;
    if (changed && dialog.IsOpen())
        dialog.StoredDefaultsChanged();
}
