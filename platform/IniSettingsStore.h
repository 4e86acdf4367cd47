#pragma once

#include <QSettings>
#include <memory>

#include "settings/SettingsStore.h"

// The settings store as an INI file, $XDG_CONFIG_HOME/Glintfall/Glintfall.ini
// (~/.config when unset), one group per section. Every write is synced at
// once, which also merges what another Glintfall process wrote meanwhile.
class IniSettingsStore : public SettingsStore {
public:
    IniSettingsStore();
    ~IniSettingsStore() override;

    using SettingsStore::GetSetting;
    std::optional<std::string> GetSetting(const std::string& section,
                                          const std::string& key) override;
    void SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override;

    QString FileName() const;

private:
    void ReportOnce(const QString& problem);

    std::unique_ptr<QSettings> settings_;
    bool reported_ = false;
};
