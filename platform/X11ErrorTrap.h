#pragma once

#include <X11/Xlib.h>

// Keeps X errors from ending the program while it asks about windows it does
// not own (they may vanish at any moment) or makes requests the server may
// refuse. The calls made meanwhile report failure through their results; the
// error events themselves are dropped.
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();

    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};
