#include "settings/DefaultSettings.h"

#include "settings/SettingsStore.h"

bool SaveDefaultSettings(const AdapterSettings& settings)
{
    return SaveSettingsAt(DefaultSettingsPath, settings);
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
