#include "platform/X11DisplayInfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

// X11 after Qt: its macros (Bool, Status, None) would break Qt's headers.
#include <X11/extensions/Xrandr.h>

X11DisplayInfo::X11DisplayInfo(Display* display) {
    ReadPrimaryScreen();
    if (display != nullptr) {
        ReadDepth(display);
        ReadModes(display);
    }
    if (modes_.empty()) {
        modes_.push_back({width_, height_, depth_});
    }
}

bool X11DisplayInfo::EnumDisplaySettings(int32_t index, DisplayMode& mode) {
    if (index < 0 || static_cast<size_t>(index) >= modes_.size()) {
        return false;
    }
    mode = modes_[static_cast<size_t>(index)];
    return true;
}

void X11DisplayInfo::ReadPrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Qt measures in device-independent pixels; the modes are in real ones.
    const QRect geometry = screen->geometry();
    const double ratio = screen->devicePixelRatio();
    width_ = static_cast<int32_t>(std::lround(geometry.width() * ratio));
    height_ = static_cast<int32_t>(std::lround(geometry.height() * ratio));
    depth_ = screen->depth();
}

void X11DisplayInfo::ReadDepth(Display* display) {
    // A depth of 24 is stored in 32 bits per pixel: the pixmap format of the
    // default depth says how many bits a pixel takes.
    const int depth = DefaultDepth(display, DefaultScreen(display));
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    if (formats == nullptr) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth) {
            depth_ = formats[i].bits_per_pixel;
        }
    }
    XFree(formats);
}

void X11DisplayInfo::ReadModes(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase) == 0) {
        return;
    }
    XRRScreenResources* resources =
        XRRGetScreenResources(display, RootWindow(display, DefaultScreen(display)));
    if (resources == nullptr) {
        return;
    }
    // One entry per mode and refresh rate, as the server lists them.
    for (int i = 0; i < resources->nmode; ++i) {
        const XRRModeInfo& info = resources->modes[i];
        modes_.push_back(
            {static_cast<int32_t>(info.width), static_cast<int32_t>(info.height), depth_});
    }
    XRRFreeScreenResources(resources);
}
