#pragma once

#include <Qt>
#include <cstdint>

// Translates Qt's key events into the Windows virtual-key codes that the
// saver's key handling expects, and Qt's modifiers into the shift state of the
// key and mouse events (1 Shift, 2 Ctrl, 4 Alt).
class KeyCodes {
public:
    // A key without a Windows counterpart still has to end the saver, so it
    // gets this code, which is no command key.
    static constexpr int16_t Unmapped = 255;

    static int16_t virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
    static int16_t shiftState(Qt::KeyboardModifiers modifiers);
};
