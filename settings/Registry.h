#pragma once

#include <cstdint>
#include <string_view>

#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"

// Writes the factory value of every key, the marker "SetReg" "2" included.
void SetRegistry(SettingsStore& store);

// True when the store has never been given its factory values.
bool NeedsFactorySettings(SettingsStore& store);

// Reads every setting with the saver's fallbacks, then writes "SetReg" "2".
// A value that is no whole 16-bit number takes that key's factory value, so a
// hand-edited store cannot stop the saver.
SettingsRecord GetRegistry(SettingsStore& store);

// A stored text as a 16-bit number, or the key's factory value when the text
// is no such number.
int16_t NumberOrFactory(std::string_view section, std::string_view key, std::string_view text);
