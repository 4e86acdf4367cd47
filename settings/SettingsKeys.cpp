#include "settings/SettingsKeys.h"

#include <stdexcept>

std::vector<SettingsKey> FactorySettings() {
    const std::string settings(SettingsSection);
    std::vector<SettingsKey> keys;
    for (int n = 1; n <= SongCount; ++n) {
        keys.push_back({std::string(MusicSection), "Music" + std::to_string(n), "1", "1", ""});
    }
    for (int i = 0; i < BackgroundCount; ++i) {
        keys.push_back({settings, "BG" + std::to_string(i), "1", "1", "1"});
    }
    keys.push_back({settings, "Border", "1", "0", "1"});
    keys.push_back({settings, "Calendar", "0", "1", "1"});
    keys.push_back({settings, "CalPos", "0", "1", "1"});
    keys.push_back({settings, "CountDown", "1", "1", "1"});
    keys.push_back({settings, "FontSize", "24", "1", "1"});
    for (int n = 1; n <= LayerCount; ++n) {
        keys.push_back({settings, "Layer" + std::to_string(n), "1", "", ""});
    }
    keys.push_back({settings, "Message", "Have a Merry Christmas!", "1", "1"});
    keys.push_back({settings, "MouseSen", "10", "1", "1"});
    keys.push_back({settings, "MoveText", "1", "1", "1"});
    keys.push_back({settings, "PwrSave", "0", "1", ""});
    keys.push_back({settings, "Rotate", "60", "1", "1"});
    keys.push_back({settings, "SetReg", "2", "1", ""});
    keys.push_back({settings, "ShowMsg", "0", "1", "1"});
    keys.push_back({settings, "ShowXmas", "1", "1", "1"});
    keys.push_back({settings, "SoundOff", "0", "1", "1"});
    return keys;
}

SettingsKey FindSettingsKey(std::string_view section, std::string_view key) {
    for (SettingsKey& entry : FactorySettings()) {
        if (entry.section == section && entry.key == key) {
            return entry;
        }
    }
    throw std::out_of_range("unknown settings key " + std::string(key));
}
