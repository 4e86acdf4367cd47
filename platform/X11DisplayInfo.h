#pragma once

#include <vector>

#include "scene/DisplayInfo.h"

// Xlib's display, declared as Xlib does; its header defines macros that
// clash with Qt, so only sources include it, after Qt's headers.
typedef struct _XDisplay Display;

// The display as the X server describes it: the primary screen's size, the
// bits per pixel of the default visual, and the screen's modes from XRandR,
// each at that same pixel size. Without XRandR (or without X) the Qt screen
// is the one mode.
class X11DisplayInfo : public DisplayInfo {
public:
    // display may be null; the Qt screen is then all there is.
    explicit X11DisplayInfo(Display* display);

    int32_t ColourDepth() override { return depth_; }
    int32_t ScreenWidth() override { return width_; }
    int32_t ScreenHeight() override { return height_; }
    bool EnumDisplaySettings(int32_t index, DisplayMode& mode) override;

private:
    void ReadPrimaryScreen();
    void ReadDepth(Display* display);
    void ReadModes(Display* display);

    int32_t depth_ = 32;
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<DisplayMode> modes_;
};
