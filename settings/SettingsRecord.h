#pragma once

#include <array>
#include <cstdint>
#include <string>

// Every option of the saver, read once from the store when the saver starts.
// Numbers are signed 16-bit; a switch counts as on only when it equals 1.
struct SettingsRecord {
    int16_t MouseSensitivity = 10;
    int16_t ShowGreeting = 1;
    int16_t ShowMessage = 0;
    int16_t MessageFontSize = 24;
    std::string MessageText = "Have a Merry Christmas!";
    std::string SoundOffSetting = "0";
    int16_t ShowCalendar = 0;
    int16_t CalendarPosition = 0;
    std::array<int16_t, 36> SongChecked{};       // song n at index n - 1
    std::array<int16_t, 5> BackgroundChecked{};  // background n at index n - 1
    int16_t MoveGreeting = 1;
    int16_t RotateSeconds = 60;
    int16_t ShowBorder = 1;
    std::array<int16_t, 3> LayerOn{};  // front, mid, back layer
    int16_t ShowCountDown = 1;
    int16_t PowerSave = 0;

    // True when no song's flag is 1: then no song is ever chosen or played.
    bool NoSongChecked() const {
        for (int16_t flag : SongChecked) {
            if (flag == 1) {
                return false;
            }
        }
        return true;
    }
};
