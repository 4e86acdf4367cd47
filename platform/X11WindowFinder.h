#pragma once

#include <string>

// Xlib's display, declared as Xlib does; its header defines macros that
// clash with Qt, so only sources include it, after Qt's headers.
typedef struct _XDisplay Display;

// Finds top-level windows of any program by their title. A window manager
// wraps each top-level window in a frame of its own, so the children of the
// frames are searched as well.
class X11WindowFinder {
public:
    // display may be null (no X server): then nothing is ever found.
    explicit X11WindowFinder(Display* display);

    bool TopLevelWindowExists(const std::string& title) const;

private:
    bool HasTitle(unsigned long window, const std::string& title) const;

    Display* display_;
};
