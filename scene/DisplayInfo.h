#pragma once

#include <cstdint>

struct DisplayMode {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
};

// The current display: its colour depth, size and list of modes.
class DisplayInfo {
public:
    virtual ~DisplayInfo() = default;

    virtual int32_t ColourDepth() = 0;
    virtual int32_t ScreenWidth() = 0;
    virtual int32_t ScreenHeight() = 0;
    // Fills mode number index and returns true, or returns false once index
    // is past the last mode.
    virtual bool EnumDisplaySettings(int32_t index, DisplayMode& mode) = 0;
};
