#include "settings/dialog/DialogLoader.h"

#include <algorithm>
#include <optional>

#include "settings/NumberText.h"
#include "settings/Registry.h"
#include "settings/SettingsKeys.h"

namespace {

const std::string Settings(SettingsSection);

}  // namespace

DialogLoader::Read DialogLoader::Get(const std::string& section, const std::string& key) {
    if (std::optional<std::string> stored = store_.GetSetting(section, key)) {
        return {*stored, false};
    }
    return {FindSettingsKey(section, key).dialogFallback, true};
}

bool DialogLoader::Check(const std::string& section, const std::string& key) {
    const Read read = Get(section, key);
    const bool checked = NumberOrFactory(section, key, read.text) == 1;
    if (read.missing) {
        store_.SaveSetting(section, key, checked ? "1" : "0");
    }
    return checked;
}

int DialogLoader::Position(const std::string& key, int minimum, int maximum) {
    const Read read = Get(Settings, key);
    const int position =
        std::clamp<int>(NumberOrFactory(Settings, key, read.text), minimum, maximum);
    if (read.missing) {
        store_.SaveSetting(Settings, key, std::to_string(position));
    }
    return position;
}

std::string DialogLoader::Text(const std::string& key) {
    const Read read = Get(Settings, key);
    if (read.missing) {
        store_.SaveSetting(Settings, key, read.text);
    }
    return read.text;
}

std::string DialogLoader::SoundOff() {
    const std::string text = Get(Settings, "SoundOff").text;
    if (ParseNumber(text) == 0.0) {
        return "Never";
    }
    return text;
}

int DialogLoader::CalendarPosition() {
    const Read read = Get(Settings, "CalPos");
    const int corner = std::clamp<int>(NumberOrFactory(Settings, "CalPos", read.text), 0, 3);
    if (read.missing) {
        store_.SaveSetting(Settings, "CalPos", std::to_string(corner));
    }
    return corner;
}
