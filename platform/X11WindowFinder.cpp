#include "platform/X11WindowFinder.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <vector>

#include "platform/X11ErrorTrap.h"

namespace {

// The children of window, bottom to top; none when it has gone meanwhile.
std::vector<Window> Children(Display* display, Window window) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &parent, &children, &count) != 0 &&
        children != nullptr) {
        result.assign(children, children + count);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return result;
}

}  // namespace

X11WindowFinder::X11WindowFinder(Display* display) : display_(display) {}

bool X11WindowFinder::TopLevelWindowExists(const std::string& title) const {
    if (display_ == nullptr) {
        return false;
    }
    // Windows of other programs may be destroyed while they are looked at.
    const X11ErrorTrap trap(display_);
    for (const Window window : Children(display_, DefaultRootWindow(display_))) {
        if (HasTitle(window, title)) {
            return true;
        }
        for (const Window client : Children(display_, window)) {
            if (HasTitle(client, title)) {
                return true;
            }
        }
    }
    return false;
}

bool X11WindowFinder::HasTitle(unsigned long window, const std::string& title) const {
    // The modern name is UTF-8; older programs set only WM_NAME.
    const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        const bool match = type == utf8 && format == 8 &&
                           std::string(reinterpret_cast<const char*>(data), count) == title;
        XFree(data);
        if (match) {
            return true;
        }
    }
    char* name = nullptr;
    if (XFetchName(display_, window, &name) != 0 && name != nullptr) {
        const bool match = title == name;
        XFree(name);
        return match;
    }
    return false;
}
