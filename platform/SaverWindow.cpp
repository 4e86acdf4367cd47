#include "platform/SaverWindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "platform/KeyCodes.h"

namespace {

// The button argument of the mouse events: 1 left, 2 right, 4 middle.
int16_t buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

SaverWindow::SaverWindow() {
    setSurfaceType(QSurface::RasterSurface);
}

SaverWindow::~SaverWindow() {
    // The presenter draws on the X window, which goes with QWindow's part.
    presenter_.reset();
}

void SaverWindow::showSaver() {
    QScreen* screen = QGuiApplication::primaryScreen();
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (screen != nullptr) {
        setScreen(screen);
        // Without a window manager a full-screen request alone can leave the
        // window without any size: give it the screen's geometry directly.
        setGeometry(screen->geometry());
    }
    show();
    requestActivate();
}

void SaverWindow::setCursorVisible(bool visible) {
    if (visible) {
        unsetCursor();
    } else {
        setCursor(QCursor(Qt::BlankCursor));
    }
}

QRect SaverWindow::frameTarget() const {
    if (frame_ == nullptr || frame_->isNull() || width() <= 0 || height() <= 0) {
        return {};
    }
    const double scale = std::min(static_cast<double>(width()) / frame_->width(),
                                  static_cast<double>(height()) / frame_->height());
    const int targetWidth = static_cast<int>(std::lround(frame_->width() * scale));
    const int targetHeight = static_cast<int>(std::lround(frame_->height() * scale));
    return {(width() - targetWidth) / 2, (height() - targetHeight) / 2, targetWidth, targetHeight};
}

void SaverWindow::showFrame(const QImage& frame, const std::vector<QRect>& dirty, int segment) {
    if (frame_ != &frame || frame_->size() != frame.size() || segment != frameSegment_) {
        frame_ = &frame;
        frameSegment_ = segment;
        // The presenter is made anew for this frame: one made before there
        // was a frame, or for another one, cannot share it.
        presenter_.reset();
        presenterTried_ = false;
        paint({QRect(0, 0, width(), height())});
        return;
    }
    scaler_.setGeometry(frame.size(), frameTarget());
    // The frame's rectangles do not overlap, and each window pixel shows one
    // frame pixel, so neither do their window rectangles: no region needs
    // building from them.
    std::vector<QRect> rects;
    rects.reserve(dirty.size());
    for (const QRect& rect : dirty) {
        const QRect shown = scaler_.windowRect(rect);
        if (!shown.isEmpty()) {
            rects.push_back(shown);
        }
    }
    paint(rects);
}

void SaverWindow::forgetFrame() {
    frame_ = nullptr;
    frameSegment_ = -1;
    paint({QRect(0, 0, width(), height())});
}

void SaverWindow::paint(const std::vector<QRect>& rects) {
    if (!isExposed() || rects.empty()) {
        return;
    }
    if (frame_ != nullptr) {
        scaler_.setGeometry(frame_->size(), frameTarget());
    }
    if (!presenterTried_) {
        presenterTried_ = true;
        if (serverScalingAllowed_ && frame_ != nullptr && !scaler_.target().isEmpty()) {
            presenter_ =
                X11ShmPresenter::createScaling(winId(), *frame_, frameSegment_, scaler_.stepX(),
                                               scaler_.stepY(), scaler_.target().topLeft());
        }
        if (presenter_ == nullptr) {
            presenter_ = X11ShmPresenter::create(winId(), size());
        }
    }
    if (presenter_ == nullptr) {
        paintBackingStore(rects);
    } else if (presenter_->scales()) {
        presenter_->retarget(scaler_.stepX(), scaler_.stepY(), scaler_.target().topLeft());
        paintScaled(rects);
    } else {
        paintInto(presenter_->beginPaint(), rects);
        presenter_->present(rects);
    }
}

void SaverWindow::paintScaled(const std::vector<QRect>& rects) {
    // The server scales the frame where it lies and fills the bars.
    const Parts parts = splitAtFrame(rects);
    presenter_->present(parts.shown, parts.bars);
}

void SaverWindow::frameWillChange() {
    if (presenter_ != nullptr && presenter_->scales()) {
        presenter_->beginPaint();
    }
}

SaverWindow::Parts SaverWindow::splitAtFrame(const std::vector<QRect>& rects) const {
    const QRect target = frame_ != nullptr ? scaler_.target() : QRect();
    Parts parts;
    for (const QRect& rect : rects) {
        if (!target.contains(rect)) {
            for (const QRect& bar : QRegion(rect) - target) {
                parts.bars.push_back(bar);
            }
        }
        const QRect inside = rect & target;
        if (!inside.isEmpty()) {
            parts.shown.push_back(inside);
        }
    }
    return parts;
}

void SaverWindow::paintInto(QImage& picture, const std::vector<QRect>& rects) {
    const Parts parts = splitAtFrame(rects);
    if (!parts.bars.empty()) {
        QPainter painter(&picture);
        for (const QRect& bar : parts.bars) {
            painter.fillRect(bar, Qt::black);
        }
    }
    for (const QRect& rect : parts.shown) {
        scaler_.scale(*frame_, picture, rect);
    }
}

void SaverWindow::paintBackingStore(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& rect : rects) {
        region += rect;
    }
    if (backingStore_ == nullptr) {
        backingStore_ = std::make_unique<QBackingStore>(this);
        backingStore_->resize(size());
    }
    const QRect target = frameTarget();
    backingStore_->beginPaint(region);
    QPaintDevice* device = backingStore_->paintDevice();
    if (device->devType() == QInternal::Image && static_cast<QImage*>(device)->depth() == 32) {
        paintInto(*static_cast<QImage*>(device), rects);
    } else {
        // A backing store that is no plain image: let Qt scale.
        QPainter painter(device);
        painter.setClipRegion(region);
        painter.fillRect(QRect(QPoint(0, 0), size()), Qt::black);
        if (!target.isEmpty()) {
            painter.drawImage(target, *frame_);
        }
    }
    backingStore_->endPaint();
    backingStore_->flush(region);
}

void SaverWindow::sync() {
    if (presenter_ != nullptr) {
        presenter_->sync();
    }
}

void SaverWindow::exposeEvent(QExposeEvent* /*event*/) {
    if (isExposed()) {
        paint({QRect(0, 0, width(), height())});
        grabInput();
    }
}

void SaverWindow::resizeEvent(QResizeEvent* /*event*/) {
    // A shared picture of the window's size is made anew; a shared frame
    // only lands elsewhere.
    if (presenter_ != nullptr && !presenter_->scales()) {
        presenter_.reset();
        presenterTried_ = false;
    }
    if (backingStore_ != nullptr) {
        backingStore_->resize(size());
    }
}

void SaverWindow::showEvent(QShowEvent* /*event*/) {
    // A window that appears under a still pointer gets a move event for it;
    // that is no move, so the start position is remembered.
    pointer_ = QCursor::pos(screen());
    pointerKnown_ = true;
}

void SaverWindow::grabInput() {
    if (!grabbed_) {
        const bool keyboard = setKeyboardGrabEnabled(true);
        const bool mouse = setMouseGrabEnabled(true);
        grabbed_ = keyboard && mouse;
    }
}

void SaverWindow::keyPressEvent(QKeyEvent* event) {
    if (events_ == nullptr) {
        return;
    }
    events_->KeyDown(KeyCodes::virtualKey(event->key(), event->modifiers()),
                     KeyCodes::shiftState(event->modifiers()));
}

void SaverWindow::mousePressEvent(QMouseEvent* event) {
    if (events_ == nullptr) {
        return;
    }
    const QPointF position = event->position();
    events_->MouseDown(buttonCode(event->button()), KeyCodes::shiftState(event->modifiers()),
                       static_cast<float>(position.x()), static_cast<float>(position.y()));
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF global = event->globalPosition();
    if (pointerKnown_ && global == pointer_) {
        return;
    }
    pointer_ = global;
    pointerKnown_ = true;
    int16_t buttons = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (event->buttons().testFlag(button)) {
            buttons |= buttonCode(button);
        }
    }
    if (events_ == nullptr) {
        return;
    }
    const QPointF position = event->position();
    events_->MouseMove(buttons, KeyCodes::shiftState(event->modifiers()),
                       static_cast<float>(position.x()), static_cast<float>(position.y()));
}
