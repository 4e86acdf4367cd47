#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsStore.h"

// An in-memory store that remembers every write in order.
class FakeSettingsStore : public SettingsStore {
public:
    using SettingsStore::GetSetting;

    std::optional<std::string> GetSetting(const std::string& section,
                                          const std::string& key) override {
        auto it = values.find({section, key});
        if (it == values.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    void SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[{section, key}] = value;
        writes.push_back({key, value});
    }

    // Shorthands for the "Settings" section.
    std::string Get(const std::string& key) { return GetSetting("Settings", key, "<missing>"); }
    void Set(const std::string& key, const std::string& value) {
        values[{"Settings", key}] = value;
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;  // key, value
};
