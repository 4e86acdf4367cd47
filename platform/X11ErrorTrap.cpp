#include "platform/X11ErrorTrap.h"

namespace {

int IgnoreError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

}  // namespace

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display) {
    // Errors of earlier requests belong to whoever made them.
    XSync(display_, False);
    previous_ = XSetErrorHandler(IgnoreError);
}

X11ErrorTrap::~X11ErrorTrap() {
    // The errors of the trapped requests have to arrive while the trap is set.
    XSync(display_, False);
    XSetErrorHandler(previous_);
}
