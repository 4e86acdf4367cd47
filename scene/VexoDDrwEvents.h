#pragma once

#include <cstdint>

// What the drawing control raises: one drawing event per frame and the input
// events of the full-screen window. The saver form handles all four.
class VexoDDrwEvents {
public:
    virtual ~VexoDDrwEvents() = default;

    virtual void ComposeFrame() = 0;
    virtual void KeyDown(int16_t keyCode, int16_t shift) = 0;
    virtual void MouseMove(int16_t button, int16_t shift, float x, float y) = 0;
    virtual void MouseDown(int16_t button, int16_t shift, float x, float y) = 0;
};
