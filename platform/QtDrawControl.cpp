#include "platform/QtDrawControl.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/FrameDiff.h"
#include "platform/PictureLoader.h"
#include "platform/RowBands.h"
#include "platform/SaverWindow.h"
#include "platform/SharedImage.h"

namespace {

// Text pictures number their content from here, far above any surface's.
constexpr uint64_t kFirstTextSerial = uint64_t{1} << 62;
constexpr int32_t kLargestFrame = 16384;

// The common part of two rectangles. QRect's operator& is a call into the
// library; composing asks for it for every op and every dirty rectangle.
QRect overlap(const QRect& a, const QRect& b) {
    return QRect(QPoint(std::max(a.left(), b.left()), std::max(a.top(), b.top())),
                 QPoint(std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom())));
}

// The frame's pixels, addressed directly: QImage::scanLine is a call into
// the library, with a check for a shared copy, for every row.
struct FramePixels {
    uchar* bits;
    qsizetype bytesPerLine;

    QRgb* at(int x, int y) const { return reinterpret_cast<QRgb*>(bits + bytesPerLine * y) + x; }
};

// Opaque pixels over the frame replace what is there: plain stores give the
// pixels the painter gives, without its cost per call, which the many small
// rectangles of a frame would pay again and again.
void fill(const FramePixels& frame, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        QRgb* row = frame.at(rect.left(), y);
        std::fill(row, row + rect.width(), colour);
    }
}

// Copies the part of an opaque op's picture that lands on part.
void copy(const FramePixels& frame, const DrawOp& op, const QRect& part) {
    const QPoint from = part.topLeft() - op.rect.topLeft();
    const uchar* source = op.picture.constBits();
    const qsizetype sourceBytesPerLine = op.picture.bytesPerLine();
    const auto bytes = sizeof(QRgb) * static_cast<std::size_t>(part.width());
    for (int y = 0; y < part.height(); ++y) {
        std::memcpy(frame.at(part.left(), part.top() + y),
                    source + sourceBytesPerLine * (from.y() + y) + sizeof(QRgb) * from.x(), bytes);
    }
}

QRgb toQRgb(uint32_t colour) {
    return qRgb(static_cast<int>(colour & 0xff), static_cast<int>((colour >> 8) & 0xff),
                static_cast<int>((colour >> 16) & 0xff));
}

}  // namespace

QtDrawControl::QtDrawControl(SaverWindow* window)
    : window_(window),
      texts_(kFirstTextSerial),
      statsWanted_(qEnvironmentVariableIsSet("GLINTFALL_FRAME_STATS")) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { raiseDueFrames(ticks_.steadyMs()); });
}

QtDrawControl::~QtDrawControl() {
    CloseSession();
}

bool QtDrawControl::OpenSession(int32_t width, int32_t height, int32_t /*colourBits*/,
                                const std::string& /*reserved*/) {
    // The frame is always 32 bits deep: the display's depth only matters to
    // the X server, which converts when the window is shown.
    if (width <= 0 || height <= 0 || width > kLargestFrame || height > kLargestFrame) {
        return false;
    }
    CloseSession();
    frame_ = SharedImage::create(QSize(width, height), frameSegment_);
    sharedBits_ = frame_.constBits();
    frame_.fill(Qt::black);
    unshown_ = DirtyArea(frame_.rect());
    open_ = true;
    stats_.start();
    updateTimer();
    return true;
}

void QtDrawControl::CloseSession() {
    if (!open_) {
        return;
    }
    open_ = false;
    updateTimer();
    if (statsWanted_) {
        std::fprintf(stderr, "glintfall: %s\n", stats_.report().c_str());
    }
    if (window_ != nullptr) {
        window_->forgetFrame();
    }
    surfaces_.clear();
    previous_.clear();
    current_.clear();
    unshown_.clear();
    texts_.clear();
    frame_ = QImage();
}

int32_t QtDrawControl::CreateSurface() {
    if (!open_) {
        return 0;
    }
    surfaces_.emplace_back();
    return static_cast<int32_t>(surfaces_.size());
}

QtDrawControl::Surface* QtDrawControl::find(int32_t surface) {
    if (!open_ || surface < 1 || static_cast<std::size_t>(surface) > surfaces_.size()) {
        return nullptr;
    }
    return &surfaces_[static_cast<std::size_t>(surface) - 1];
}

void QtDrawControl::LoadSurfacePicture(int32_t surface, int32_t /*kind*/, const std::string& path,
                                       int32_t keyMode) {
    if (Surface* found = find(surface)) {
        found->picture = PictureLoader::load(QString::fromStdString(path), keyMode);
        found->serial = nextSerial_++;
        found->bands = nullptr;
        if (found->picture.hasAlphaChannel()) {
            found->bands =
                std::make_shared<const std::vector<QRect>>(RowBands::ofPicture(found->picture));
        }
    }
}

void QtDrawControl::SetSurfaceLeft(int32_t surface, int32_t x) {
    if (Surface* found = find(surface)) {
        found->left = x;
    }
}

void QtDrawControl::SetSurfaceTop(int32_t surface, int32_t y) {
    if (Surface* found = find(surface)) {
        found->top = y;
    }
}

int32_t QtDrawControl::GetSurfaceLeft(int32_t surface) {
    const Surface* found = find(surface);
    return found != nullptr ? found->left : 0;
}

int32_t QtDrawControl::GetSurfaceTop(int32_t surface) {
    const Surface* found = find(surface);
    return found != nullptr ? found->top : 0;
}

void QtDrawControl::MoveSurfaceRight(int32_t surface, int32_t n) {
    if (Surface* found = find(surface)) {
        found->left += n;
    }
}

void QtDrawControl::MoveSurfaceUp(int32_t surface, int32_t n) {
    if (Surface* found = find(surface)) {
        found->top -= n;
        stats_.movedDown(surface, -n);
    }
}

// The saver sets these two options on the greeting picture only. The picture
// is drawn like every other keyed surface, which is all the greeting needs,
// so the values are accepted and have no effect.
void QtDrawControl::SetSurfaceOptionA(int32_t /*surface*/, int32_t /*value*/) {}

void QtDrawControl::SetSurfaceOptionB(int32_t /*surface*/, int32_t /*value*/) {}

void QtDrawControl::ClearFrame(uint32_t colour) {
    if (!open_) {
        return;
    }
    // A fill covers the whole frame, so nothing drawn before it can show.
    current_.clear();
    current_.push_back(
        DrawOp{DrawOp::Kind::Fill, frame_.rect(), toQRgb(colour), QImage(), nullptr});
}

void QtDrawControl::DrawSurface(int32_t surface) {
    const Surface* found = find(surface);
    if (found == nullptr || found->picture.isNull()) {
        return;
    }
    current_.push_back(
        DrawOp{DrawOp::Kind::Picture,
               QRect(found->left, found->top, found->picture.width(), found->picture.height()),
               found->serial, found->picture, found->bands});
}

void QtDrawControl::SetTextFont(const std::string& face, int32_t size, int32_t weight, bool italic,
                                bool underline, bool strikeOut) {
    // Arial is not installed on Linux; Liberation Sans has the same metrics,
    // so texts take the room they were laid out for.
    if (face != face_) {
        face_ = face;
        font_.setFamily(face == "Arial" ? QStringLiteral("Liberation Sans")
                                        : QString::fromStdString(face));
    }
    // The size counts pixels. The weight comes in tenths of the usual font
    // weights, so 30 and the like draw normal text and 60 and more bold.
    font_.setPixelSize(std::max(1, size));
    font_.setWeight(weight >= 60 ? QFont::Bold : QFont::Normal);
    font_.setItalic(italic);
    font_.setUnderline(underline);
    font_.setStrikeOut(strikeOut);
}

void QtDrawControl::DrawText(const std::string& text, int32_t x, int32_t y, uint32_t colour) {
    if (!open_) {
        return;
    }
    const TextCache::Entry& entry = texts_.lookup(text, font_, toQRgb(colour));
    if (entry.picture.isNull()) {
        return;
    }
    current_.push_back(DrawOp{DrawOp::Kind::Picture,
                              QRect(QPoint(x, y) + entry.offset, entry.picture.size()),
                              entry.serial, entry.picture, nullptr});
}

void QtDrawControl::PresentFrame() {
    if (!open_) {
        return;
    }
    if (fullRepaint_) {
        unshown_.add(frame_.rect());
    } else {
        FrameDiff::markDirty(previous_, current_, unshown_);
    }
    texts_.endFrame();
    std::swap(previous_, current_);
    current_.clear();
    if (!raising_) {
        presentUnshown();
    }
}

void QtDrawControl::presentUnshown() {
    if (unshown_.empty()) {
        return;
    }
    // Composing the newest ops over everything changed since the last
    // present gives there what composing the newest frame whole would;
    // elsewhere no frame in between changed a pixel.
    const std::vector<QRect> dirty = unshown_.rects();
    unshown_.clear();
    if (window_ != nullptr) {
        window_->frameWillChange();
    }
    QElapsedTimer composing;
    composing.start();
    compose(previous_, dirty);
    const int64_t composeNs = composing.nsecsElapsed();
    if (window_ != nullptr) {
        // A copy of the frame taken meanwhile has made it leave the segment.
        window_->showFrame(frame_, dirty, frame_.constBits() == sharedBits_ ? frameSegment_ : -1);
        stats_.present(dirty, composeNs);
    }
}

void QtDrawControl::setPresentEvery(int frames) {
    presentEvery_ = std::max(frames, 1);
    updateTimer();
}

int QtDrawControl::framesPerRefresh(double refreshHz, int intervalMs) {
    if (!(refreshHz > 0.0) || intervalMs <= 0) {
        return 1;
    }
    const double refreshMs = 1000.0 / refreshHz;
    return std::max(1, static_cast<int>(std::ceil(refreshMs / intervalMs - 1e-9)));
}

void QtDrawControl::compose(const std::vector<DrawOp>& ops, const std::vector<QRect>& rects) {
    if (rects.empty()) {
        return;
    }
    // Every rectangle looks at every op: their boxes are laid out once, side
    // by side, so that the look is a few comparisons.
    boxes_.clear();
    for (const DrawOp& op : ops) {
        const bool fills = op.kind == DrawOp::Kind::Fill;
        boxes_.push_back(OpBox{op.rect.left(), op.rect.top(), op.rect.right(), op.rect.bottom(),
                               fills, fills || op.picture.format() == QImage::Format_RGB32});
    }
    QPainter painter(&frame_);
    const FramePixels frame{frame_.bits(), frame_.bytesPerLine()};
    for (const QRect& rect : rects) {
        // The ops that reach the rectangle, from the last one that covers it
        // with opaque pixels (the fill, or a background picture): nothing
        // drawn before that one can show.
        bool covered = false;
        drawn_.clear();
        for (std::size_t i = 0; i < boxes_.size(); ++i) {
            const OpBox& box = boxes_[i];
            if (box.right < rect.left() || rect.right() < box.left || box.bottom < rect.top() ||
                rect.bottom() < box.top) {
                continue;
            }
            if (box.opaque &&
                (box.fills || (box.left <= rect.left() && rect.right() <= box.right &&
                               box.top <= rect.top() && rect.bottom() <= box.bottom))) {
                covered = true;
                drawn_.clear();
            }
            drawn_.push_back(i);
        }
        if (!covered) {
            fill(frame, rect, qRgb(0, 0, 0));  // a frame without a fill starts from black
        }
        for (const std::size_t i : drawn_) {
            const DrawOp& op = ops[i];
            const QRect part = overlap(op.rect, rect);
            if (op.kind == DrawOp::Kind::Fill) {
                fill(frame, part, static_cast<QRgb>(op.content));
            } else if (boxes_[i].opaque) {
                copy(frame, op, part);
            } else {
                painter.drawImage(part.topLeft(), op.picture, part.translated(-op.rect.topLeft()));
            }
        }
    }
}

void QtDrawControl::setFrameInterval(int milliseconds) {
    frameInterval_ = milliseconds;
    updateTimer();
}

void QtDrawControl::updateTimer() {
    if (open_ && frameInterval_ > 0) {
        if (const QScreen* screen = window_ != nullptr ? window_->screen() : nullptr) {
            presentEvery_ = framesPerRefresh(screen->refreshRate(), frameInterval_);
        }
        ticks_.startGrid(ticks_.steadyMs(), frameInterval_);
        timer_.start(frameInterval_ * presentEvery_);
    } else {
        timer_.stop();
    }
}

void QtDrawControl::raiseDueFrames(int64_t nowMs) {
    const int most = 2 * presentEvery_;
    int raised = 0;
    raising_ = true;
    while (open_ && raised < most && ticks_.beginDueFrame(nowMs)) {
        raiseFrameEvent();
        ticks_.endFrame();
        ++raised;
    }
    raising_ = false;
    if (raised == most) {
        ticks_.startGrid(nowMs, frameInterval_);
    }
    if (open_) {
        presentUnshown();
    }
}

void QtDrawControl::raiseFrameEvent() {
    ++frameEvents_;
    stats_.frameEvent();
    if (events_ != nullptr) {
        events_->ComposeFrame();
    }
}
