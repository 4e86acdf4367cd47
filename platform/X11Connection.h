#pragma once

// Xlib's display, declared as Xlib does; its header defines macros that
// clash with Qt, so only sources include it, after Qt's headers.
typedef struct _XDisplay Display;

// The X display that Qt's window system runs on, or null when Qt runs on
// another platform (the offscreen one of the tests, Wayland).
class X11Connection {
public:
    static Display* display();
};
