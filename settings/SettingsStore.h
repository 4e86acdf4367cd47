#pragma once

#include <optional>
#include <string>

// The per-user settings store of application "Glintfall": sections of keys,
// each holding a text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the key does not exist.
    virtual std::optional<std::string> GetSetting(const std::string& section,
                                                  const std::string& key) = 0;
    virtual void SaveSetting(const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    // The stored text, or the fallback when the key does not exist.
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& fallback) {
        return GetSetting(section, key).value_or(fallback);
    }
};
