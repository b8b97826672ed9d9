#include "settings/DefaultSettings.h"

#include "settings/DefaultsInUse.h"
#include "settings/SettingsStore.h"

bool SaveDefaultSettings(const AdapterSettings& settings)
{
    const bool stored = SaveSettingsAt(DefaultSettingsPath, settings);
    NoteDefaultSettingsSave(settings, stored);
    return stored;
}

bool LoadDefaultSettings(AdapterSettings& settings)
{
    LoadSettingsAt(DefaultSettingsPath, settings);
    return true;
}

bool ReadDefaultSettingsChecked(AdapterSettings& settings, std::string& unreadValue)
{
    return ReadSettingsChecked(DefaultSettingsPath, settings, unreadValue);
}

bool DefaultSettingsStored()
{
    return StoredValuePresent(DefaultSettingsPath, "DesiredSSID");
}

AdapterSettings StoredDefaultSettings()
{
    AdapterSettings settings{};
    LoadDefaultSettings(settings);
    return settings;
}
