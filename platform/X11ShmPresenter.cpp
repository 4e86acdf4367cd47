#include "platform/X11ShmPresenter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <QSysInfo>

#include "platform/X11Connection.h"
#include "platform/X11ErrorTrap.h"

// What the presenter holds on the X server and in this process, released in
// the reverse order of their making.
struct X11ShmPresenter::Resources {
    ~Resources() {
        if (attached) {
            XShmDetach(display, &segment);
        }
        if (image != nullptr) {
            image->data = nullptr;  // the segment is no heap memory
            XDestroyImage(image);
        }
        if (segment.shmaddr != nullptr && segment.shmaddr != reinterpret_cast<char*>(-1)) {
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
    int completionType = 0;
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

}  // namespace

std::unique_ptr<X11ShmPresenter> X11ShmPresenter::create(unsigned long window, const QSize& size) {
    Display* qtDisplay = X11Connection::display();
    if (qtDisplay == nullptr || window == 0 || size.isEmpty()) {
        return nullptr;
    }
    auto resources = std::make_unique<Resources>();
    // A connection of its own: Qt's reader thread never wakes for its
    // traffic, and the completion events come to this presenter alone.
    resources->display = XOpenDisplay(DisplayString(qtDisplay));
    Display* display = resources->display;
    if (display == nullptr || !XShmQueryExtension(display)) {
        return nullptr;
    }
    XWindowAttributes attributes;
    {
        X11ErrorTrap trap(display);
        if (XGetWindowAttributes(display, window, &attributes) == 0) {
            return nullptr;
        }
    }
    resources->window = window;
    resources->image =
        XShmCreateImage(display, attributes.visual, static_cast<unsigned>(attributes.depth),
                        ZPixmap, nullptr, &resources->segment, static_cast<unsigned>(size.width()),
                        static_cast<unsigned>(size.height()));
    XImage* image = resources->image;
    if (image == nullptr || !matchesRgb32(*image, *attributes.visual)) {
        return nullptr;
    }
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
    resources->attached = attach(display, window, attributes, resources->segment);
    // Marked for removal now, the segment goes away with the last of the two
    // attachments, even if this process ends without cleaning up.
    shmctl(resources->segment.shmid, IPC_RMID, nullptr);
    if (!resources->attached) {
        return nullptr;
    }
    resources->gc = XCreateGC(display, window, 0, nullptr);
    resources->completionType = XShmGetEventBase(display) + ShmCompletion;
    return std::unique_ptr<X11ShmPresenter>(new X11ShmPresenter(std::move(resources)));
}

X11ShmPresenter::X11ShmPresenter(std::unique_ptr<Resources> resources)
    : resources_(std::move(resources)),
      picture_(reinterpret_cast<uchar*>(resources_->image->data), resources_->image->width,
               resources_->image->height, resources_->image->bytes_per_line, QImage::Format_RGB32) {
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

void X11ShmPresenter::present(const std::vector<QRect>& rects) {
    Resources& r = *resources_;
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
        XFlush(r.display);
    }
}

void X11ShmPresenter::sync() {
    XSync(resources_->display, True);
    pending_ = false;
}
