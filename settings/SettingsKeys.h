#pragma once

#include <string>
#include <string_view>
#include <vector>

// One key of the store with its values: what a factory reset writes, what the
// saver and the dialog read when the key is missing.
struct SettingsKey {
    std::string section;
    std::string key;
    std::string factory;
    std::string saverFallback;
    std::string dialogFallback;
};

inline constexpr std::string_view SettingsSection = "Settings";
inline constexpr std::string_view MusicSection = "Music";
inline constexpr int SongCount = 36;
inline constexpr int BackgroundCount = 5;
inline constexpr int LayerCount = 3;

// Every key, in the order in which a factory reset writes them: the 36 song
// flags first, then the options in alphabetical order, the marker "SetReg"
// among them.
std::vector<SettingsKey> FactorySettings();

// The entry of one key; throws std::out_of_range for an unknown key.
SettingsKey FindSettingsKey(std::string_view section, std::string_view key);
