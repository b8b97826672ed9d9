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

AdapterSettings StoredDefaultSettings()
{
    AdapterSettings settings{};
    LoadDefaultSettings(settings);
    return settings;
}
