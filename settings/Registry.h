#pragma once

#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"

// What GetRegistry hands the saver: the record and whether no song is checked.
struct LoadedSettings {
    SettingsRecord record;
    bool noSongChecked = true;
};

// Writes the factory value of every key, the marker "SetReg" "2" included.
void SetRegistry(SettingsStore& store);

// True when the store has never been given its factory values.
bool NeedsFactorySettings(SettingsStore& store);

// Reads every setting with the saver's fallbacks, then writes "SetReg" "2".
// A value that is no whole 16-bit number takes that key's factory value, so a
// hand-edited store cannot stop the saver.
LoadedSettings GetRegistry(SettingsStore& store);
