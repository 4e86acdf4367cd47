#include "settings/Registry.h"

#include <string>

#include "settings/NumberText.h"
#include "settings/SettingsKeys.h"

namespace {

const std::string Settings(SettingsSection);
const std::string Music(MusicSection);

// Reads one key as the saver does: its fallback when missing, its factory
// value when the stored text is no 16-bit number.
int16_t ReadNumber(SettingsStore& store, const std::string& section, const std::string& key) {
    return NumberOrFactory(
        section, key, store.GetSetting(section, key, FindSettingsKey(section, key).saverFallback));
}

std::string ReadText(SettingsStore& store, const std::string& key) {
    return store.GetSetting(Settings, key, FindSettingsKey(Settings, key).saverFallback);
}

}  // namespace

int16_t NumberOrFactory(std::string_view section, std::string_view key, std::string_view text) {
    if (const std::optional<int16_t> value = TextToInt16(text)) {
        return *value;
    }
    return *TextToInt16(FindSettingsKey(section, key).factory);
}

void SetRegistry(SettingsStore& store) {
    for (const SettingsKey& entry : FactorySettings()) {
        store.SaveSetting(entry.section, entry.key, entry.factory);
    }
}

bool NeedsFactorySettings(SettingsStore& store) {
    return TextToInt16(store.GetSetting(Settings, "SetReg", "1")) != int16_t{2};
}

SettingsRecord GetRegistry(SettingsStore& store) {
    SettingsRecord r;
    r.MouseSensitivity = ReadNumber(store, Settings, "MouseSen");
    r.ShowGreeting = ReadNumber(store, Settings, "ShowXmas");
    r.ShowMessage = ReadNumber(store, Settings, "ShowMsg");
    r.MessageFontSize = ReadNumber(store, Settings, "FontSize");
    r.MessageText = ReadText(store, "Message");
    r.ShowBorder = ReadNumber(store, Settings, "Border");
    r.MoveGreeting = ReadNumber(store, Settings, "MoveText");
    r.RotateSeconds = ReadNumber(store, Settings, "Rotate");
    for (int i = 0; i < BackgroundCount; ++i) {
        r.BackgroundChecked[i] = ReadNumber(store, Settings, "BG" + std::to_string(i));
    }
    r.SoundOffSetting = ReadText(store, "SoundOff");
    r.CalendarPosition = ReadNumber(store, Settings, "CalPos");
    r.ShowCalendar = ReadNumber(store, Settings, "Calendar");
    for (int n = 1; n <= SongCount; ++n) {
        r.SongChecked[n - 1] = ReadNumber(store, Music, "Music" + std::to_string(n));
    }
    for (int n = 1; n <= LayerCount; ++n) {
        r.LayerOn[n - 1] = ReadNumber(store, Settings, "Layer" + std::to_string(n));
    }
    r.ShowCountDown = ReadNumber(store, Settings, "CountDown");
    r.PowerSave = ReadNumber(store, Settings, "PwrSave");
    store.SaveSetting(Settings, "SetReg", "2");
    return r;
}
