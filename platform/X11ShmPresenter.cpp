#include "platform/X11ShmPresenter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <QSysInfo>

#include "platform/X11Connection.h"
#include "platform/X11ErrorTrap.h"

// What the presenter holds on the X server and in this process, released in
// the reverse order of their making.
struct X11ShmPresenter::Resources {
    ~Resources() {
        if (source != 0) {
            XRenderFreePicture(display, source);
        }
        if (destination != 0) {
            XRenderFreePicture(display, destination);
        }
        if (framePixmap != 0) {
            XFreePixmap(display, framePixmap);
        }
        if (scratch != 0) {
            XFreePixmap(display, scratch);
        }
        if (attached) {
            XShmDetach(display, &segment);
        }
        if (image != nullptr) {
            image->data = nullptr;  // the segment is no heap memory
            XDestroyImage(image);
        }
        if (mapsSegment && segment.shmaddr != nullptr &&
            segment.shmaddr != reinterpret_cast<char*>(-1)) {
            shmdt(segment.shmaddr);
        }
        if (gc != nullptr) {
            XFreeGC(display, gc);
        }
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    XShmSegmentInfo segment{};
    XImage* image = nullptr;
    bool attached = false;
    bool mapsSegment = true;  // the segment was mapped here, not by the frame's owner
    int completionType = 0;
    // When the server scales: the shared frame as a pixmap and a picture
    // with the scaling, the window's picture, and a pixel to put to for the
    // completion event that says the server is done with the frame.
    Pixmap framePixmap = 0;
    Picture source = 0;
    Picture destination = 0;
    Pixmap scratch = 0;
};

namespace {

// Whether the window's pixels are laid out as Format_RGB32 in this process:
// 32 bits a pixel, red, green and blue in the low three bytes, in the
// machine's byte order.
bool matchesRgb32(const XImage& image, const Visual& visual) {
    const int machineOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst;
    return image.bits_per_pixel == 32 && image.byte_order == machineOrder &&
           visual.red_mask == 0xff0000 && visual.green_mask == 0x00ff00 &&
           visual.blue_mask == 0x0000ff;
}

// Attaches segment on the server and tells whether that worked. A server on
// another machine or in another IPC namespace refuses the segment with an
// error, not through the call's result; reading one pixel into the segment
// is a request with a reply, which fails then.
bool attach(Display* display, Window window, const XWindowAttributes& attributes,
            XShmSegmentInfo& segment) {
    X11ErrorTrap trap(display);
    if (XShmAttach(display, &segment) == 0) {
        return false;
    }
    XImage* probe =
        XShmCreateImage(display, attributes.visual, static_cast<unsigned>(attributes.depth),
                        ZPixmap, segment.shmaddr, &segment, 1, 1);
    const Pixmap pixel =
        XCreatePixmap(display, window, 1, 1, static_cast<unsigned>(attributes.depth));
    const bool read = probe != nullptr && XShmGetImage(display, pixel, probe, 0, 0, AllPlanes) != 0;
    XFreePixmap(display, pixel);
    if (probe != nullptr) {
        probe->data = nullptr;
        XDestroyImage(probe);
    }
    if (!read) {
        // Detached now, so that the server forgets a half-made attachment.
        XShmDetach(display, &segment);
    }
    return read;
}

std::vector<XRectangle> xRectangles(const std::vector<QRect>& rects) {
    std::vector<XRectangle> converted;
    converted.reserve(rects.size());
    for (const QRect& rect : rects) {
        converted.push_back(XRectangle{static_cast<short>(rect.x()), static_cast<short>(rect.y()),
                                       static_cast<unsigned short>(rect.width()),
                                       static_cast<unsigned short>(rect.height())});
    }
    return converted;
}

// Opens the presenter's own connection to the server of window and reads
// the window's attributes; null where Qt does not run on X11, the server has
// no shared memory extension or the window is gone.
std::unique_ptr<X11ShmPresenter::Resources> connect(unsigned long window,
                                                    XWindowAttributes& attributes) {
    Display* qtDisplay = X11Connection::display();
    if (qtDisplay == nullptr || window == 0) {
        return nullptr;
    }
    auto resources = std::make_unique<X11ShmPresenter::Resources>();
    // A connection of its own: Qt's reader thread never wakes for its
    // traffic, and the completion events come to this presenter alone.
    resources->display = XOpenDisplay(DisplayString(qtDisplay));
    Display* display = resources->display;
    if (display == nullptr || !XShmQueryExtension(display)) {
        return nullptr;
    }
    X11ErrorTrap trap(display);
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        return nullptr;
    }
    resources->window = window;
    return resources;
}

// Describes an image of size in the window's pixel layout on the segment's
// memory at data; false where that layout is not Format_RGB32's.
bool describeImage(X11ShmPresenter::Resources& resources, const XWindowAttributes& attributes,
                   const QSize& size, char* data) {
    resources.image =
        XShmCreateImage(resources.display, attributes.visual,
                        static_cast<unsigned>(attributes.depth), ZPixmap, data, &resources.segment,
                        static_cast<unsigned>(size.width()), static_cast<unsigned>(size.height()));
    return resources.image != nullptr && matchesRgb32(*resources.image, *attributes.visual);
}

}  // namespace

std::unique_ptr<X11ShmPresenter> X11ShmPresenter::create(unsigned long window, const QSize& size) {
    XWindowAttributes attributes;
    auto resources = size.isEmpty() ? nullptr : connect(window, attributes);
    if (resources == nullptr || !describeImage(*resources, attributes, size, nullptr)) {
        return nullptr;
    }
    XImage* image = resources->image;
    const auto bytes = static_cast<std::size_t>(image->bytes_per_line) * image->height;
    resources->segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (resources->segment.shmid < 0) {
        return nullptr;
    }
    resources->segment.shmaddr = static_cast<char*>(shmat(resources->segment.shmid, nullptr, 0));
    if (resources->segment.shmaddr == reinterpret_cast<char*>(-1)) {
        shmctl(resources->segment.shmid, IPC_RMID, nullptr);
        return nullptr;
    }
    image->data = resources->segment.shmaddr;
    // Writable for the server, so that the probe in attach can read into it.
    resources->segment.readOnly = False;
    resources->attached = attach(resources->display, window, attributes, resources->segment);
    // Marked for removal now, the segment goes away with the last of the two
    // attachments, even if this process ends without cleaning up.
    shmctl(resources->segment.shmid, IPC_RMID, nullptr);
    if (!resources->attached) {
        return nullptr;
    }
    return std::unique_ptr<X11ShmPresenter>(new X11ShmPresenter(std::move(resources)));
}

std::unique_ptr<X11ShmPresenter> X11ShmPresenter::createScaling(unsigned long window,
                                                                const QImage& frame, int segment,
                                                                int stepX, int stepY,
                                                                const QPoint& target) {
    if (segment < 0 || frame.isNull() || frame.format() != QImage::Format_RGB32) {
        return nullptr;
    }
    XWindowAttributes attributes;
    auto resources = connect(window, attributes);
    if (resources == nullptr) {
        return nullptr;
    }
    Display* display = resources->display;
    int major = 0;
    int minor = 0;
    Bool sharedPixmaps = False;
    int event = 0;
    int error = 0;
    int renderMajor = 0;
    int renderMinor = 0;
    // Transforms and filters came with XRender 0.6.
    if (!XShmQueryVersion(display, &major, &minor, &sharedPixmaps) || !sharedPixmaps ||
        XShmPixmapFormat(display) != ZPixmap || !XRenderQueryExtension(display, &event, &error) ||
        !XRenderQueryVersion(display, &renderMajor, &renderMinor) ||
        (renderMajor == 0 && renderMinor < 6)) {
        return nullptr;
    }
    XRenderPictFormat* format = XRenderFindVisualFormat(display, attributes.visual);
    // The frame's own memory, which this process keeps mapped. The server
    // only reads it, but makes pixmaps of writable segments alone.
    resources->segment.shmid = segment;
    resources->segment.shmaddr = reinterpret_cast<char*>(const_cast<uchar*>(frame.constBits()));
    resources->segment.readOnly = False;
    resources->mapsSegment = false;
    if (format == nullptr ||
        !describeImage(*resources, attributes, frame.size(), resources->segment.shmaddr) ||
        resources->image->bytes_per_line != frame.bytesPerLine()) {
        return nullptr;
    }
    X11ErrorTrap trap(display);
    resources->attached = XShmAttach(display, &resources->segment) != 0;
    // A server that could not attach the segment refuses a pixmap of it;
    // asking for the pixmap's geometry, a request with a reply, tells.
    resources->framePixmap = XShmCreatePixmap(
        display, window, resources->segment.shmaddr, &resources->segment,
        static_cast<unsigned>(frame.width()), static_cast<unsigned>(frame.height()),
        static_cast<unsigned>(attributes.depth));
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (XGetGeometry(display, resources->framePixmap, &root, &x, &y, &width, &height, &border,
                     &depth) == 0) {
        // Detached while errors are trapped, so that the server forgets a
        // half-made attachment.
        XShmDetach(display, &resources->segment);
        resources->attached = false;
        resources->framePixmap = 0;
        return nullptr;
    }
    // Attached by the server now, the segment can be marked for removal: it
    // then goes with the last of the two, even if this process ends without
    // cleaning up.
    shmctl(segment, IPC_RMID, nullptr);
    resources->source = XRenderCreatePicture(display, resources->framePixmap, format, 0, nullptr);
    resources->destination = XRenderCreatePicture(display, window, format, 0, nullptr);
    resources->scratch =
        XCreatePixmap(display, window, 1, 1, static_cast<unsigned>(attributes.depth));
    XRenderSetPictureFilter(display, resources->source, FilterNearest, nullptr, 0);
    auto presenter = std::unique_ptr<X11ShmPresenter>(new X11ShmPresenter(std::move(resources)));
    presenter->scales_ = true;
    presenter->retarget(stepX, stepY, target);
    return presenter;
}

void X11ShmPresenter::retarget(int stepX, int stepY, const QPoint& target) {
    if (!scales_ || (stepX == stepX_ && stepY == stepY_ && target == target_)) {
        return;
    }
    stepX_ = stepX;
    stepY_ = stepY;
    target_ = target;
    // The source is read at (window pixel - target) scaled by the steps; the
    // translation is applied before the scale by the composite's origin.
    XTransform transform{{{stepX, 0, 0}, {0, stepY, 0}, {0, 0, XDoubleToFixed(1)}}};
    XRenderSetPictureTransform(resources_->display, resources_->source, &transform);
}

X11ShmPresenter::X11ShmPresenter(std::unique_ptr<Resources> resources)
    : resources_(std::move(resources)),
      picture_(reinterpret_cast<uchar*>(resources_->image->data), resources_->image->width,
               resources_->image->height, resources_->image->bytes_per_line, QImage::Format_RGB32) {
    Resources& r = *resources_;
    r.gc = XCreateGC(r.display, r.window, 0, nullptr);
    r.completionType = XShmGetEventBase(r.display) + ShmCompletion;
}

X11ShmPresenter::~X11ShmPresenter() {
    // The server must be done with the segment before it is unmapped.
    sync();
}

QImage& X11ShmPresenter::beginPaint() {
    Display* display = resources_->display;
    XEvent event;
    while (pending_ && XPending(display) > 0) {
        XNextEvent(display, &event);
        if (event.type == resources_->completionType) {
            pending_ = false;
        }
    }
    if (pending_) {
        // Not read yet: wait with a round trip rather than for the event,
        // which never comes if the server refused the put (a window that has
        // just gone away).
        sync();
    }
    return picture_;
}

void X11ShmPresenter::present(const std::vector<QRect>& rects, const std::vector<QRect>& bars) {
    Resources& r = *resources_;
    if (!bars.empty()) {
        std::vector<XRectangle> black = xRectangles(bars);
        XSetForeground(r.display, r.gc, BlackPixel(r.display, DefaultScreen(r.display)));
        XFillRectangles(r.display, r.window, r.gc, black.data(), static_cast<int>(black.size()));
    }
    if (scales_) {
        if (!rects.empty()) {
            // One composite of the rectangles' bounding box, clipped to
            // them: the server's cost per composite is far above that of a
            // small rectangle's pixels.
            std::vector<XRectangle> clip = xRectangles(rects);
            QRect bounds;
            for (const QRect& rect : rects) {
                bounds |= rect;
            }
            XRenderSetPictureClipRectangles(r.display, r.destination, 0, 0, clip.data(),
                                            static_cast<int>(clip.size()));
            XRenderComposite(r.display, PictOpSrc, r.source, None, r.destination,
                             bounds.x() - target_.x(), bounds.y() - target_.y(), 0, 0, bounds.x(),
                             bounds.y(), static_cast<unsigned>(bounds.width()),
                             static_cast<unsigned>(bounds.height()));
            // The server handles requests in order: when this put's
            // completion comes, the composites have read the frame.
            XShmPutImage(r.display, r.scratch, r.gc, r.image, 0, 0, 0, 0, 1, 1, True);
            pending_ = true;
        }
        XFlush(r.display);
        return;
    }
    const QRect whole(0, 0, picture_.width(), picture_.height());
    std::size_t last = rects.size();
    while (last > 0 && !rects[last - 1].intersects(whole)) {
        --last;
    }
    for (std::size_t i = 0; i < last; ++i) {
        const QRect rect = rects[i] & whole;
        if (rect.isEmpty()) {
            continue;
        }
        // One completion, for the last rectangle: the server handles the
        // puts in order, so when the last is read all are.
        XShmPutImage(r.display, r.window, r.gc, r.image, rect.x(), rect.y(), rect.x(), rect.y(),
                     static_cast<unsigned>(rect.width()), static_cast<unsigned>(rect.height()),
                     i + 1 == last ? True : False);
    }
    if (last > 0) {
        pending_ = true;
    }
    XFlush(r.display);
}

void X11ShmPresenter::sync() {
    XSync(resources_->display, True);
    pending_ = false;
}
