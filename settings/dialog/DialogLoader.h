#pragma once

#include <string>

#include "settings/SettingsStore.h"

// Reads the dialog's settings with the dialog's own fallbacks and turns each
// stored text into a state its control can show.
//
// A hand-edited store can hold texts that no control can show. Such a value
// is shown as the saver would act on it: a check box is checked only for the
// number 1, a slider goes to its nearest end, and a text that is no number
// stands for the key's factory value. The stored text itself stays as it is.
//
// A key that the store lacks is written at once with the value its control
// then shows, so that the next saver start does what the dialog showed. A key
// that exists is never rewritten by loading: opening the dialog changes
// nothing in a store that already holds every key.
class DialogLoader {
public:
    explicit DialogLoader(SettingsStore& store) : store_(store) {}

    // The state of an on/off check box.
    bool Check(const std::string& section, const std::string& key);
    // The position of a slider that can hold minimum to maximum.
    int Position(const std::string& key, int minimum, int maximum);
    // A text shown as stored ("FontSize", "Message").
    std::string Text(const std::string& key);
    // The text of the sound-off box: "Never" for the number 0, otherwise the
    // stored text. The box has no loading handler, so a missing key stays
    // missing; its fallback "1" is what the saver reads in that case too.
    std::string SoundOff();
    // The calendar corner 0 to 3.
    int CalendarPosition();

private:
    // The stored text or, when the key is missing, the dialog fallback.
    struct Read {
        std::string text;
        bool missing;
    };
    Read Get(const std::string& section, const std::string& key);

    SettingsStore& store_;
};
